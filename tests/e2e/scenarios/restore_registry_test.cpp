// Restore Registry: a chosen backup replaces the FCO key, is checked against the key afterwards, and
// a backup that cannot be imported never costs the key.
#include "tests/e2e/scenarios/MaintenanceScenario.h"

#include "tests/common/Files.h"
#include "tests/common/KeyAccess.h"

#include <gmock/gmock.h>

#include <algorithm>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace e2e {
namespace {

const int kVisibleLockedControls[] = {IDC_BUTTON_REMOVE_ALL, IDC_BUTTON_UPDATE, IDC_BUTTON_RESTORE, IDOK};
const int kHiddenLockedControls[] = {IDC_BUTTON_SELECT_ALL, IDC_BUTTON_FCO_INFO, IDC_BUTTON_FONT, IDC_BUTTON_COLOR};

class RestoreRegistry : public MaintenanceScenario {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(MaintenanceScenario::SetUp());
        ASSERT_TRUE(machine.SetFcoValue("456", "15/07/06"));
        ASSERT_TRUE(machine.SetFcoValue("458", "01/02/06"));
    }

    // Presses Restore with several backups present and answers the picker with name.
    void RestoreByName(const std::string& name)
    {
        ASSERT_TRUE(main.Click(IDC_BUTTON_RESTORE));
        const Window picker = app->WaitForPicker();
        ASSERT_TRUE(picker) << app->DescribeWindows();
        ASSERT_TRUE(picker.Child(IDC_COMBO_NAMES).SetText(name));
        ASSERT_TRUE(picker.Click(IDOK));
        ASSERT_TRUE(app->WaitUntilGone(picker));
    }

    // Puts the registry editor's stand-in where the real one lives.
    void StandInForTheRegistryEditor(const char* mode)
    {
        editor.reset();
        editor = std::make_unique<RegistryEditorStandIn>(mode);
        ASSERT_TRUE(editor->Ready());
    }

    std::unique_ptr<RegistryEditorStandIn> editor;

    void ExpectLockedControlsUsable(bool usable) const
    {
        for (const int id : kVisibleLockedControls) {
            EXPECT_EQ(usable, main.Child(id).IsEnabled()) << "control " << id;
            EXPECT_TRUE(main.Child(id).IsVisible()) << "control " << id;
        }
        for (const int id : kHiddenLockedControls) {
            EXPECT_EQ(usable, main.Child(id).IsEnabled()) << "control " << id;
            EXPECT_FALSE(main.Child(id).IsVisible()) << "control " << id;
        }
    }
};

TEST_F(RestoreRegistry, TheOnlyBackupIsRestoredWithoutAskingAsItWasChecked)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    const std::vector<std::string> exports = ExportFileNames();
    ASSERT_EQ(1u, exports.size());
    ASSERT_NO_FATAL_FAILURE(StandInForTheRegistryEditor("swap"));
    ASSERT_NO_FATAL_FAILURE(MarkKeyBeforeRestore());
    ASSERT_TRUE(machine.SetFcoValue("456", "02/02/02"));

    ASSERT_TRUE(main.Click(IDC_BUTTON_RESTORE));

    ASSERT_TRUE(WaitForRestoreEnd()) << app->DescribeWindows();
    EXPECT_EQ((RegistryValues{{"456", "15/07/06"}, {"458", "01/02/06"}}), machine.FcoValues());
    EXPECT_FALSE(KeyExists("SOFTWARE\\Planted"));
    EXPECT_EQ("regedit.exe /s  \"c:\\FCObackup\\" + exports[0] + "\"  \r\n exit",
              ReadWholeFile(BackupPath("FCORES.bat")));
    ExpectLockedControlsUsable(true);
    EXPECT_EQ("", WarningTextNow());
}

TEST_F(RestoreRegistry, WithSeveralBackupsOnlyTheChosenOneReplacesTheKeyAndTheList)
{
    ASSERT_TRUE(WriteBackup("Tallyroll_01-01-06  09-00-00-AM.reg", {{"456", "01/01/06"}, {"457", "02/01/06"}}));
    ASSERT_TRUE(WriteBackup("Tallyroll_02-01-06  09-00-00-AM.reg", {{"999", "03/01/06"}}));
    ASSERT_NO_FATAL_FAILURE(Start());
    // Written after the start-up's export, though its name sorts before every other: the newest.
    ::Sleep(1100);
    ASSERT_TRUE(WriteBackup("Tallyroll_01-01-06  09-00-00-AM.reg", {{"456", "01/01/06"}, {"457", "02/01/06"}}));
    std::vector<std::string> baseNames;
    for (const std::string& name : ExportFileNames())
        baseNames.push_back(name.substr(0, name.size() - 4));
    std::sort(baseNames.begin(), baseNames.end());
    ASSERT_EQ(3u, baseNames.size());
    const RegistryValues before = machine.FcoValues();

    ASSERT_TRUE(main.Click(IDC_BUTTON_RESTORE));
    const Window picker = app->WaitForPicker();
    ASSERT_TRUE(picker) << app->DescribeWindows();
    EXPECT_EQ("Select restore name", picker.Text());
    EXPECT_EQ("Select registry file:", picker.Child(IDC_STATIC_PROMPT).Text());
    EXPECT_THAT(picker.Child(IDC_COMBO_NAMES).ComboItems(), ElementsAreArray(baseNames));
    ASSERT_TRUE(picker.Click(IDCANCEL));
    ASSERT_TRUE(app->WaitUntilGone(picker));
    EXPECT_EQ("", WarningTextNow());
    EXPECT_EQ(before, machine.FcoValues());
    EXPECT_FALSE(PathExists(BackupPath("FCORES.bat")));

    // The newest backup is offered: OK alone restores it.
    ASSERT_NO_FATAL_FAILURE(MarkKeyBeforeRestore());
    ASSERT_TRUE(main.Click(IDC_BUTTON_RESTORE));
    const Window offered = app->WaitForPicker();
    ASSERT_TRUE(offered) << app->DescribeWindows();
    EXPECT_EQ("Tallyroll_01-01-06  09-00-00-AM", offered.Child(IDC_COMBO_NAMES).Text());
    ASSERT_TRUE(offered.Click(IDOK));
    ASSERT_TRUE(WaitForRestoreEnd()) << app->DescribeWindows();
    EXPECT_EQ((RegistryValues{{"456", "01/01/06"}, {"457", "02/01/06"}}), machine.FcoValues());
    EXPECT_THAT(Dates(), ElementsAre("01/01/06", "02/01/06", ""));
}

TEST_F(RestoreRegistry, ABackupThatCannotBeImportedLeavesTheKeyAndSaysWhy)
{
    ASSERT_TRUE(WriteBackup("a.b.reg", {{"456", "01/01/06"}}));
    ASSERT_TRUE(WriteWholeFile(BackupPath("other.reg"), "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\r\n"));
    // The euro sign has no place in the command interpreter's code page: the name would arrive as another.
    ASSERT_TRUE(WriteBackup("euro\x80.reg", {{"456", "01/01/06"}}));
    // Planted by whoever can write the backup folder: the FCO key and more, or a header the
    // registry editor does not accept, so that it imports nothing after the key is gone.
    const std::string fcoSection = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\FCO]\r\n\"456\"=\"01/01/06\"\r\n";
    ASSERT_TRUE(WriteWholeFile(BackupPath("adds.reg"), "REGEDIT4\r\n" + fcoSection +
                                                           "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Palvane\\Run]\r\n\"x\"=\"y\"\r\n"));
    ASSERT_TRUE(WriteWholeFile(BackupPath("deletes.reg"),
                               "REGEDIT4\r\n" + fcoSection + "[-hkey_local_machine\\software\\palvane\\KEEP]\r\n"));
    // Read as the registry editor reads it: a lone CR ends a line, so this comment hides a key.
    ASSERT_TRUE(WriteWholeFile(BackupPath("lonecr.reg"),
                               "REGEDIT4\r\n" + fcoSection +
                                   "; note\r[HKEY_LOCAL_MACHINE\\SOFTWARE\\Palvane\\Run]\r\"x\"=\"C:\\\\evil.exe\"\r\n"));
    ASSERT_TRUE(WriteWholeFile(BackupPath("subkey.reg"), "REGEDIT4\r\n" + fcoSection +
                                                             "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\FCO\\Sub]\r\n"));
    ASSERT_TRUE(WriteWholeFile(BackupPath("unread.reg"), "REGEDIT4\r\n" + fcoSection + "# note\r\n"));
    ASSERT_TRUE(WriteWholeFile(BackupPath("headless.reg"), fcoSection));
    ASSERT_TRUE(WriteWholeFile(BackupPath("blanks.reg"), "REGEDIT4   \r\n" + fcoSection));
    ASSERT_TRUE(HklmSetString("SOFTWARE\\Palvane\\KEEP", "kept", "yes"));
    ASSERT_NO_FATAL_FAILURE(Start());
    const RegistryValues before = machine.FcoValues();
    const std::string notChanged = "\r\nThe registry was not changed.";
    const std::string fcoKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\FCO";
    const std::pair<const char*, std::string> cases[] = {
        {"a", "The backup file c:\\FCObackup\\a.reg was not found." + notChanged},
        {"other", "The file c:\\FCObackup\\other.reg holds no backup of HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\FCO." +
                      notChanged},
        {"euro\x80", "The restore batch file c:\\FCObackup\\FCORES.bat could not be written for "
                     "c:\\FCObackup\\euro\x80.reg." + notChanged},
        {"adds", "The file c:\\FCObackup\\adds.reg changes other keys than " + fcoKey + ": it is not imported." +
                     notChanged},
        {"deletes", "The file c:\\FCObackup\\deletes.reg changes other keys than " + fcoKey +
                        ": it is not imported." + notChanged},
        {"lonecr", "The file c:\\FCObackup\\lonecr.reg changes other keys than " + fcoKey + ": it is not imported." +
                       notChanged},
        {"subkey", "The file c:\\FCObackup\\subkey.reg changes other keys than " + fcoKey + ": it is not imported." +
                       notChanged},
        {"unread", "The file c:\\FCObackup\\unread.reg holds lines that are no part of a registry export: it is not "
                   "imported." + notChanged},
        {"headless", "The file c:\\FCObackup\\headless.reg holds no backup of " + fcoKey + "." + notChanged},
        {"blanks", "The file c:\\FCObackup\\blanks.reg holds no backup of " + fcoKey + "." + notChanged},
    };
    for (const auto& refused : cases) {
        ASSERT_NO_FATAL_FAILURE(RestoreByName(refused.first));
        const ShownMessageBox warning = app->WaitForMessageBox("Warning !!!");
        ASSERT_TRUE(warning) << refused.first << "\n" << app->DescribeWindows();
        EXPECT_EQ(refused.second, warning.Text());
        ASSERT_TRUE(warning.Press(IDOK));
        ASSERT_TRUE(app->WaitUntilGone(warning.AsWindow()));
        EXPECT_EQ(before, machine.FcoValues()) << refused.first;
        EXPECT_FALSE(PathExists(BackupPath("FCORES.bat"))) << refused.first;
    }
    EXPECT_EQ((RegistryValues{{"kept", "yes"}}), HklmValues("SOFTWARE\\Palvane\\KEEP"));
    EXPECT_FALSE(KeyExists("SOFTWARE\\Palvane\\Run"));
}

// A registry editor in the start folder or in the backup folder, where others may write, never runs.
TEST_F(RestoreRegistry, RegistryEditorsInWritableFoldersAreNeverStarted)
{
    const std::string decoy = ReadWholeFile(ProgramPathFromEnvironment("MENDWRIGHT_REGEDIT_STAND_IN"));
    ASSERT_TRUE(MakeFolders(kBackupFolder));
    ASSERT_TRUE(WriteWholeFile(BackupPath("regedit.exe"), decoy));
    ASSERT_TRUE(WriteWholeFile(BackupPath("regedit.mode"), "skip"));
    ASSERT_NO_FATAL_FAILURE(Start({{"regedit.exe", decoy}, {"regedit.mode", "skip"}}));
    EXPECT_EQ("", WarningTextNow());
    const std::vector<std::string> exports = ExportFileNames();
    ASSERT_EQ(1u, exports.size());
    EXPECT_EQ(ExportLinesOf({{"456", "15/07/06"}, {"458", "01/02/06"}}), ExportLines(BackupPath(exports[0])));

    ASSERT_NO_FATAL_FAILURE(MarkKeyBeforeRestore());
    ASSERT_TRUE(main.Click(IDC_BUTTON_RESTORE));
    ASSERT_TRUE(WaitForRestoreEnd()) << app->DescribeWindows();
    EXPECT_EQ((RegistryValues{{"456", "15/07/06"}, {"458", "01/02/06"}}), machine.FcoValues());
    EXPECT_FALSE(PathExists(folder->PathOf("regedit.started")));
    EXPECT_FALSE(PathExists(BackupPath("regedit.started")));
}

TEST_F(RestoreRegistry, NamesWithBatchCharactersAndAccentsReachTheRegistryEditorUnchanged)
{
    ASSERT_TRUE(WriteBackup("a%b&c^d(e)!f g.reg", {{"457", "03/03/06"}}));
    ASSERT_TRUE(WriteBackup("caf\xE9.reg", {{"458", "04/04/06"}}));
    ASSERT_NO_FATAL_FAILURE(Start());

    ASSERT_NO_FATAL_FAILURE(MarkKeyBeforeRestore());
    ASSERT_NO_FATAL_FAILURE(RestoreByName("a%b&c^d(e)!f g"));
    ASSERT_TRUE(WaitForRestoreEnd()) << app->DescribeWindows();
    EXPECT_EQ((RegistryValues{{"457", "03/03/06"}}), machine.FcoValues());
    EXPECT_EQ("regedit.exe /s  \"c:\\FCObackup\\a%%b&c^d(e)!f g.reg\"  \r\n exit",
              ReadWholeFile(BackupPath("FCORES.bat")));

    // The batch file is read in the OEM code page, where the program's e acute is 0x82.
    ASSERT_NO_FATAL_FAILURE(MarkKeyBeforeRestore());
    ASSERT_NO_FATAL_FAILURE(RestoreByName("caf\xE9"));
    ASSERT_TRUE(WaitForRestoreEnd()) << app->DescribeWindows();
    EXPECT_EQ((RegistryValues{{"458", "04/04/06"}}), machine.FcoValues());
    EXPECT_EQ("regedit.exe /s  \"c:\\FCObackup\\caf\x82.reg\"  \r\n exit", ReadWholeFile(BackupPath("FCORES.bat")));
    EXPECT_EQ("", WarningTextNow());
}

// Normalising twice is not normalising once ("FCOFCO457" becomes "FCO457", then "457"): the check
// must see the key as the import left it, not as the refill rewrote it.
TEST_F(RestoreRegistry, ABackupOfAKeyNotYetNormalisedIsCheckedAsImported)
{
    ASSERT_TRUE(WriteBackup("installer.reg", {{"FCOFCO457 by installer", "03/03/2006"}}));
    ASSERT_NO_FATAL_FAILURE(Start());

    ASSERT_NO_FATAL_FAILURE(MarkKeyBeforeRestore());
    ASSERT_NO_FATAL_FAILURE(RestoreByName("installer"));
    ASSERT_TRUE(WaitForRestoreEnd()) << app->DescribeWindows();
    EXPECT_EQ((RegistryValues{{"FCO457", "03/03/20"}}), machine.FcoValues());
    EXPECT_EQ("", WarningTextNow());
}

TEST_F(RestoreRegistry, TheDialogStaysLockedUntilTheImportHasEnded)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_NO_FATAL_FAILURE(StandInForTheRegistryEditor("hold"));
    ASSERT_NO_FATAL_FAILURE(MarkKeyBeforeRestore());

    ASSERT_TRUE(main.Click(IDC_BUTTON_RESTORE));
    ASSERT_TRUE(WaitUntil([&] { return PathExists(RegistryEditorStandIn::PathOf("regedit.started")); }))
        << app->DescribeWindows();
    // Longer than any fixed wait would be: the import has not ended, so nothing may go on.
    ::Sleep(5000);
    EXPECT_TRUE(main.IsVisible());
    ExpectLockedControlsUsable(false);
    EXPECT_FALSE(machine.FcoKeyExists());
    // Whoever can write the backup folder cannot swap the batch file while it runs.
    const HANDLE swap = ::CreateFileA(BackupPath("FCORES.bat").c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_EQ(INVALID_HANDLE_VALUE, swap);
    EXPECT_EQ((DWORD)ERROR_SHARING_VIOLATION, ::GetLastError());
    if (swap != INVALID_HANDLE_VALUE)
        ::CloseHandle(swap);

    ASSERT_TRUE(WriteWholeFile(RegistryEditorStandIn::PathOf("regedit.release"), ""));
    ASSERT_TRUE(WaitForRestoreEnd()) << app->DescribeWindows();
    EXPECT_EQ((RegistryValues{{"456", "15/07/06"}, {"458", "01/02/06"}}), machine.FcoValues());
    ExpectLockedControlsUsable(true);
}

// The registry editor reports success whatever it did: the key itself tells. An import that wrote
// nothing must not leave the key emptier than the restore found it.
TEST_F(RestoreRegistry, AnImportThatWroteNothingPutsTheKeyBackAndAPartialOneIsReported)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    const std::vector<std::string> exports = ExportFileNames();
    ASSERT_EQ(1u, exports.size());
    const std::string file = "c:\\FCObackup\\" + exports[0];
    // Written after the start-up's export: no backup holds it.
    ASSERT_TRUE(machine.SetFcoValue("457", "03/03/06"));
    const RegistryValues before = machine.FcoValues();
    const struct {
        const char* mode;
        RegistryValues after;
        std::string warning;
        std::vector<std::string> dates;
    } cases[] = {
        {"skip", before,
         "The registry editor imported nothing from the backup file " + file + ": the FCO key was put back as it was.",
         {"15/07/06", "03/03/06", "01/02/06"}},
        {"partial", {{"456", "15/07/06"}},
         "The restore is incomplete: the registry does not hold these FCOs as the backup file " + file +
             " does:\r\n458",
         {"15/07/06", "", ""}},
    };
    for (const auto& editorDoes : cases) {
        ASSERT_NO_FATAL_FAILURE(StandInForTheRegistryEditor(editorDoes.mode));
        ASSERT_TRUE(main.Click(IDC_BUTTON_RESTORE));

        const ShownMessageBox warning = app->WaitForMessageBox("Warning !!!");
        ASSERT_TRUE(warning) << editorDoes.mode << "\n" << app->DescribeWindows();
        EXPECT_EQ(editorDoes.warning, warning.Text()) << editorDoes.mode;
        EXPECT_EQ(editorDoes.after, machine.FcoValues()) << editorDoes.mode;
        EXPECT_TRUE(main.IsVisible());
        ExpectLockedControlsUsable(true);
        EXPECT_EQ(editorDoes.dates, Dates()) << editorDoes.mode;
        ASSERT_TRUE(warning.Press(IDOK));
        ASSERT_TRUE(app->WaitUntilGone(warning.AsWindow()));
        EXPECT_EQ("", WarningTextNow()) << editorDoes.mode;
    }
}

} // namespace
} // namespace e2e
