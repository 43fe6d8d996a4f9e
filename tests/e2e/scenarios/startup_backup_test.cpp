// The start-up backup: a complete export of the FCO key in the backup folder before the dialog appears.
#include "tests/e2e/scenarios/MaintenanceScenario.h"

#include "tests/common/Files.h"

#include <gmock/gmock.h>

#include <cstdlib>
#include <functional>

using ::testing::HasSubstr;
using ::testing::MatchesRegex;

namespace e2e {
namespace {

class StartUpBackup : public MaintenanceScenario {
protected:
    // Starts the program where no backup can be written: one warning says so before the dialog.
    void StartWithoutABackup()
    {
        folder = std::make_unique<ScratchFolder>(ScratchName(), std::vector<ScratchFile>{{"press.txt", kCatalogue}});
        ASSERT_TRUE(folder->Ready());
        app = std::make_unique<MendwrightProcess>(*folder);
        ASSERT_TRUE(app->Started()) << app->StartError();
        const ShownMessageBox warning = app->WaitForMessageBox("Warning !!!");
        ASSERT_TRUE(warning) << app->DescribeWindows();
        EXPECT_THAT(warning.Text(), HasSubstr("The FCO key was not backed up"));
        EXPECT_THAT(warning.Text(), HasSubstr("c:\\FCObackup\\Tallyroll_"));
        EXPECT_THAT(warning.Text(), HasSubstr("backup folder c:\\FCObackup."));
        ASSERT_TRUE(warning.Press(IDOK));
        main = app->WaitForMainDialog();
        ASSERT_TRUE(main) << app->DescribeWindows();
        EXPECT_EQ("", WarningTextNow());
    }

    // Presses Restore Registry and expects it refused with text.
    void ExpectRestoreRefused(const std::string& text)
    {
        ASSERT_TRUE(main.Click(IDC_BUTTON_RESTORE));
        const ShownMessageBox refused = app->WaitForMessageBox("Warning !!!");
        ASSERT_TRUE(refused) << app->DescribeWindows();
        EXPECT_EQ(text, refused.Text());
    }
};

TEST_F(StartUpBackup, ExportsTheNormalisedKeyThroughItsBatchFileAndKeepsOlderExports)
{
    const std::string olderExport = "Tallyroll_01-01-06  09-00-00-AM.reg";
    ASSERT_TRUE(WriteBackup(olderExport, {{"456", "01/01/06"}}));
    const std::string olderBytes = ReadWholeFile(BackupPath(olderExport));
    // A batch file longer than the new line, planted as a hard link to a file of the Windows
    // folder: nothing of it may be left behind, and the linked file stays as it was.
    char windows[MAX_PATH] = "";
    ASSERT_NE(0u, ::GetWindowsDirectoryA(windows, MAX_PATH));
    const std::string linked = std::string(windows) + "\\mendwright-linked.txt";
    ASSERT_TRUE(WriteWholeFile(linked, std::string(5000, 'x')));
    ::DeleteFileA(BackupPath("FCOREG.bat").c_str());
    ASSERT_TRUE(::CreateHardLinkA(BackupPath("FCOREG.bat").c_str(), linked.c_str(), nullptr));
    ASSERT_TRUE(machine.SetFcoValue("FCO456 remote support", "15/07/06 by engineer"));
    ASSERT_TRUE(machine.SetFcoValue("457", "01/02/06"));

    ASSERT_NO_FATAL_FAILURE(Start());

    const std::vector<std::string> exports = ExportFileNames();
    ASSERT_EQ(2u, exports.size());
    const std::string newExport = exports[0] == olderExport ? exports[1] : exports[0];
    EXPECT_THAT(newExport, MatchesRegex("Tallyroll_\\d\\d-\\d\\d-\\d\\d  \\d\\d-\\d\\d-\\d\\d-.M\\.reg"));
    EXPECT_EQ(ExportLinesOf({{"456", "15/07/06"}, {"457", "01/02/06"}}), ExportLines(BackupPath(newExport)));
    EXPECT_EQ(olderBytes, ReadWholeFile(BackupPath(olderExport)));
    EXPECT_EQ("regedit.exe /e /s \"c:\\FCObackup\\" + newExport + "\" HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\FCO    ",
              ReadWholeFile(BackupPath("FCOREG.bat")));
    EXPECT_EQ(std::string(5000, 'x'), ReadWholeFile(linked));
    ::DeleteFileA(linked.c_str());
}

// A Unix program run from Wine (a Windows program cannot make a link there), awaited by its result:
// Wine hands back no process to wait for.
bool RunUnixUntil(const std::string& commandLine, const std::function<bool()>& done)
{
    std::string line = commandLine;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    const std::string program = "Z:" + commandLine.substr(0, commandLine.find(' '));
    if (!::CreateProcessA(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return WaitUntil(done, 10000);
}

// Whoever made a backup folder that is a link decides where backups go and what a restore reads.
// Wine shows a Unix symbolic link as a reparse point, as Windows shows a junction.
TEST_F(StartUpBackup, AFolderThatLeadsElsewhereIsNotUsedForBackupsOrRestores)
{
    const char* env = std::getenv("MENDWRIGHT_WINE_ENV");
    ASSERT_TRUE(env);
    const std::string drive = std::string(env) + "/prefix/drive_c/";
    // Removed only once the link is gone: its leftovers would otherwise pass for this run's.
    const ScratchFolder target(ScratchName() + ".target");
    ASSERT_TRUE(target.Ready());
    ASSERT_TRUE(RunUnixUntil("/bin/ln -s " + drive + "e2e/" + target.Name() + " " + drive + "FCObackup",
                             [] { return PathExists("c:\\FCObackup"); }));
    struct Unlink {
        std::string link;
        ~Unlink() { RunUnixUntil("/bin/rm " + link, [] { return !PathExists("c:\\FCObackup"); }); }
    } unlink{drive + "FCObackup"};
    ASSERT_NO_FATAL_FAILURE(StartWithoutABackup());
    ASSERT_NO_FATAL_FAILURE(ExpectRestoreRefused(
        "The backup folder c:\\FCObackup leads to another place: nothing is restored from it.\r\n"
        "The registry was not changed."));
    EXPECT_TRUE(ExportFileNames().empty());
    EXPECT_EQ(std::vector<std::string>{}, target.FileNames());
}

TEST_F(StartUpBackup, AMissingKeyIsCreatedEmptyAndExported)
{
    ASSERT_FALSE(machine.FcoKeyExists());

    ASSERT_NO_FATAL_FAILURE(Start());

    EXPECT_TRUE(machine.FcoKeyExists());
    EXPECT_TRUE(machine.FcoValues().empty());
    const std::vector<std::string> exports = ExportFileNames();
    ASSERT_EQ(1u, exports.size());
    EXPECT_EQ(ExportLinesOf({}), ExportLines(BackupPath(exports[0])));
}

TEST_F(StartUpBackup, WithoutABackupTheEngineerIsWarnedOnceAndNoRestoreCanTakeTheKey)
{
    // A file where the backup folder belongs: no folder, so no batch file and no export.
    ASSERT_TRUE(WriteWholeFile(kBackupFolder, "in the way"));
    ASSERT_TRUE(machine.SetFcoValue("456", "15/07/06"));
    ASSERT_NO_FATAL_FAILURE(StartWithoutABackup());

    // Nothing to choose from: the picker takes the empty name, and the key must survive it.
    ASSERT_NO_FATAL_FAILURE(
        ExpectRestoreRefused("The backup file c:\\FCObackup\\.reg was not found.\r\nThe registry was not changed."));
    EXPECT_EQ((RegistryValues{{"456", "15/07/06"}}), machine.FcoValues());
    EXPECT_EQ("in the way", ReadWholeFile(kBackupFolder));
}

} // namespace
} // namespace e2e
