// Every Windows version class the program tells apart: its classification, and a start-up
// from the picker to the ticked catalogue and its backup, with Wine reporting that version.
#include "tests/e2e/scenarios/MaintenanceScenario.h"

#include "tests/common/Files.h"
#include "tests/e2e/driver/Text.h"
#include "tests/e2e/driver/Ticks.h"
#include "tests/e2e/driver/Standins.h"
#include "tests/e2e/driver/WindowsVersion.h"
#include "res/resource.h"

#include <gmock/gmock.h>

#include <string>

using ::testing::ElementsAre;

namespace e2e {
namespace {

const char* const kCatalogue =
    "12/10/06@catalogue\n"
    "101@Main controller@Faster start-up\n"
    "102@Imaging head@New firmware\n"
    "END;\n";

// The classification printed by a probe built from the program's own GetOsVersion.
std::string OsVersionProbePath()
{
    return ProgramPathFromEnvironment("MENDWRIGHT_OS_PROBE");
}

class WindowsVersions : public Scenario, public ::testing::WithParamInterface<WindowsVersionClass> {};

TEST_P(WindowsVersions, ClassifiesTheSystemAndStartsWithTheTickedCatalogue)
{
    const WindowsVersionClass version = GetParam();
    const WindowsVersionOverride reported({"Mendwright.exe", "os_version_probe.exe"}, version.wineName);
    ASSERT_TRUE(reported.Ready());
    ASSERT_TRUE(machine.SetFcoValue("FCO101 controller firmware", "14/03/06 by service"));
    // Two machine types, so that the picker asks.
    ScratchFolder folder(ScratchName(), {{"QX-200.txt", kCatalogue}, {"QX-300.txt", kCatalogue}});
    ASSERT_TRUE(folder.Ready());

    {
        MendwrightProcess probe(folder, OsVersionProbePath());
        ASSERT_TRUE(probe.Started()) << probe.StartError();
        ASSERT_TRUE(probe.WaitForExit());
        EXPECT_EQ(std::to_string(version.classification) + "\n", WithBareLineFeeds(probe.StandardOutput()));
    }

    MendwrightProcess app(folder);
    ASSERT_TRUE(app.Started()) << app.StartError();
    const Window picker = app.WaitForPicker();
    ASSERT_TRUE(picker) << app.DescribeWindows();
    EXPECT_THAT(picker.Child(IDC_COMBO_NAMES).ComboItems(), ElementsAre("QX-200", "QX-300"));
    ASSERT_TRUE(picker.Click(IDOK));

    const Window main = app.WaitForMainDialog();
    ASSERT_TRUE(main) << app.DescribeWindows();
    const ListViewReader list = app.ReadList(main.Child(IDC_LIST_FCO));
    ASSERT_EQ(2, list.RowCount());
    EXPECT_THAT(list.RowTexts(0), ElementsAre("", "101", "Main controller", "14/03/06", "Faster start-up"));
    EXPECT_THAT(list.RowTexts(1), ElementsAre("", "102", "Imaging head", "", "New firmware"));
    std::string pictures;
    EXPECT_TRUE(ShowsTickOnlyIn(list, 0, 1, &pictures)) << pictures;

    const std::vector<std::string> exports = ExportFileNames();
    ASSERT_EQ(1u, exports.size());
    EXPECT_EQ(ExportLinesOf({{"101", "14/03/06"}}), ExportLines(BackupPath(exports[0])));
}

INSTANTIATE_TEST_SUITE_P(EveryClass, WindowsVersions, ::testing::ValuesIn(AllWindowsVersionClasses()),
                         [](const ::testing::TestParamInfo<WindowsVersionClass>& info) {
                             return std::string(info.param.wineName);
                         });

// The 9x line: a start-up backup of FCO 456 and the restore of that only backup.
class Windows9xLine : public MaintenanceScenario {
protected:
    void ExpectTheStartupBackupOf456()
    {
        EXPECT_EQ("", WarningTextNow());
        const std::vector<std::string> exports = ExportFileNames();
        ASSERT_EQ(1u, exports.size());
        EXPECT_EQ(ExportLinesOf({{"456", "15/07/06"}}), ExportLines(BackupPath(exports[0])));
    }

    void ExpectTheBackupRestoredOverAChange()
    {
        ASSERT_NO_FATAL_FAILURE(MarkKeyBeforeRestore());
        ASSERT_TRUE(machine.SetFcoValue("456", "02/02/02"));
        ASSERT_TRUE(main.Click(IDC_BUTTON_RESTORE));
        ASSERT_TRUE(WaitForRestoreEnd()) << app->DescribeWindows();
        EXPECT_EQ("", WarningTextNow());
        EXPECT_EQ((RegistryValues{{"456", "15/07/06"}}), machine.FcoValues());
        EXPECT_EQ("15/07/06", Dates()[0]);
    }
};

// The batch files run from the backup folder, not from the folder the program was started in.
TEST_F(Windows9xLine, Windows95BacksUpAndRestoresThroughTheBackupFolder)
{
    const WindowsVersionOverride reported({"Mendwright.exe"}, "win95");
    ASSERT_TRUE(reported.Ready());
    ASSERT_TRUE(machine.SetFcoValue("456", "15/07/06"));
    const char* const decoy = "echo ran> decoy.ran\r\n";
    ASSERT_NO_FATAL_FAILURE(Start({{"FCOREG.bat", decoy}, {"FCORES.bat", decoy}}));
    ASSERT_NO_FATAL_FAILURE(ExpectTheStartupBackupOf456());
    ASSERT_NO_FATAL_FAILURE(ExpectTheBackupRestoredOverAChange());
    EXPECT_FALSE(PathExists(folder->PathOf("decoy.ran")));
}

// The 9x command interpreter does not wait for a Windows program the batch file starts: the batch
// ends at once while the registry editor still works. The program must wait for the editor all the
// same, or it reports a missing backup and refills the list from a key the import still writes.
TEST_F(Windows9xLine, Windows98WaitsForTheRegistryEditorTheCommandInterpreterDoesNotWaitFor)
{
    const WindowsVersionOverride reported({"Mendwright.exe"}, "win98");
    ASSERT_TRUE(reported.Ready());
    ASSERT_TRUE(machine.SetFcoValue("456", "15/07/06"));
    const RegistryEditorStandIn editor("detach");
    ASSERT_TRUE(editor.Ready());
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_NO_FATAL_FAILURE(ExpectTheStartupBackupOf456());
    ASSERT_NO_FATAL_FAILURE(ExpectTheBackupRestoredOverAChange());
}

} // namespace
} // namespace e2e
