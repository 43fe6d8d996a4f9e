// The outside programs around the dialog: the start-up's service and utility checks with the service
// installer, the backup reminder on leaving, the machine's PDF, and the About box.
#include "tests/e2e/scenarios/Scenario.h"

#include "tests/common/Files.h"
#include "tests/common/PixelImage.h"
#include "tests/e2e/driver/LargeFonts.h"
#include "tests/e2e/driver/Standins.h"
#include "res/resource.h"

#include <memory>
#include <string>

namespace e2e {
namespace {

const char kWarningCaption[] = "Warning !!!";
const std::string kServiceWarning =
    " Tovren Farreach (TFR) isn't installed on the Quarra. \r\n TFR enables supporting the machine from "
    "remote. \r\n\r\n Please order FCO #730-00418B  to install TFR.";
const std::string kUtilityWarning = " Please install Backup and Restore utility.";
const char kServiceMissingLine[] = "Tovren Farreach is not installed on this machine!";
const char kUtilityStartedMarker[] = "C:\\Program Files\\Quarra Backup\\started.txt";
const char kCatalogue[] = "01/01/06\nEND;\n";

// The information line's text is drawn in red: enough red pixels on the screen where it stands.
bool ShowsRedText(const Window& line)
{
    return WaitUntil([&] { return PixelImage::OfScreen(line.ScreenRect()).Count(RGB(255, 0, 0)) >= 30; }, 10000);
}

int Height(const Window& window)
{
    const RECT rect = window.RectInParent();
    return rect.bottom - rect.top;
}

class OutsidePrograms : public Scenario {};

struct EnvironmentRow {
    const char* name;
    bool service;
    bool utility;
    std::string warning;  // empty: no box
    bool serviceMissingLine;
    int listHeight;
    // At 120 DPI the heights grow with the dialog's vertical unit, 16/13.
    bool largeFonts = false;
};

class StartupEnvironment : public Scenario, public ::testing::WithParamInterface<EnvironmentRow> {};

TEST_P(StartupEnvironment, WarnsInOneBoxAndMarksAMissingServiceInRed)
{
    const EnvironmentRow& row = GetParam();
    std::unique_ptr<LargeFonts> largeFonts;
    if (row.largeFonts) {
        largeFonts = std::make_unique<LargeFonts>();
        ASSERT_TRUE(largeFonts->Ready());
    }
    if (!row.service) {
        ASSERT_TRUE(RemoveTree(kRemoteSupportService));
    }
    if (!row.utility) {
        ASSERT_TRUE(RemoveTree(kBackupUtility));
    }
    ScratchFolder folder(ScratchName(), {{"press.txt", kCatalogue}});
    ASSERT_TRUE(folder.Ready());
    MendwrightProcess app(folder);
    ASSERT_TRUE(app.Started()) << app.StartError();

    if (!row.warning.empty()) {
        const ShownMessageBox box = app.WaitForMessageBox(kWarningCaption);
        ASSERT_TRUE(box) << app.DescribeWindows();
        EXPECT_EQ(row.warning, box.Text());
        EXPECT_FALSE(box.HasButton(IDCANCEL));
        EXPECT_TRUE(box.Owner().Child(IDC_LIST_FCO)) << "not owned by the main dialog";
        ASSERT_TRUE(box.Press(IDOK));
    }
    // A box nobody expects keeps the dialog from being shown.
    const Window main = app.WaitForMainDialog();
    ASSERT_TRUE(main) << app.DescribeWindows();

    const Window line = main.Child(IDC_STATIC_INFO);
    EXPECT_EQ(row.serviceMissingLine, line.IsVisible());
    EXPECT_EQ(row.serviceMissingLine ? kServiceMissingLine : "", line.Text());
    if (row.serviceMissingLine) {
        EXPECT_TRUE(ShowsRedText(line));
    }
    const Window list = main.Child(IDC_LIST_FCO);
    EXPECT_EQ(row.listHeight, Height(list));
    if (row.serviceMissingLine) {
        EXPECT_LE(list.RectInParent().bottom, line.RectInParent().top) << "the list covers the red line";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StartupEnvironment,
    ::testing::Values(EnvironmentRow{"BothPresent", true, true, "", false, 380},
                      EnvironmentRow{"UtilityMissing", true, false, kUtilityWarning, false, 375},
                      EnvironmentRow{"ServiceMissing", false, true, kServiceWarning + "\r\n", true, 355},
                      EnvironmentRow{"BothMissing", false, false, kServiceWarning + "\n\r\n" + kUtilityWarning, true,
                                     355},
                      EnvironmentRow{"UtilityMissingAtLargeFonts", true, false, kUtilityWarning, false, 462, true},
                      EnvironmentRow{"ServiceMissingAtLargeFonts", false, true, kServiceWarning + "\r\n", true, 437,
                                     true}),
    [](const ::testing::TestParamInfo<EnvironmentRow>& info) { return std::string(info.param.name); });

// Slow by design: the start-up gives the installer 10 s, then looks for its window every 3 s.
TEST_F(OutsidePrograms, TheServiceInstallerIsWaitedForUntilItsWindowClosesAndItsBroadcastAnswered)
{
    ASSERT_TRUE(RemoveTree(kRemoteSupportService));
    ScratchFolder folder(ScratchName(), {{"press.txt", kCatalogue}});
    ASSERT_TRUE(folder.Ready());
    // Open 12 s, then it installs the service, broadcasts the change of the environment to every
    // top-level window (the program's too, which must answer while it waits) and closes.
    ASSERT_TRUE(PlaceStandin("standin_service_installer.exe", folder.PathOf("TFR\\TovrenFarreach.exe")));
    ASSERT_TRUE(WriteWholeFile(folder.PathOf("TFR\\setup.txt"), "12000 1 1"));
    MendwrightProcess app(folder);
    ASSERT_TRUE(app.Started()) << app.StartError();

    const ShownMessageBox note = app.WaitForMessageBox("Note !!!");
    ASSERT_TRUE(note) << app.DescribeWindows();
    EXPECT_EQ("Installing Velmora Farreach", note.Text());
    EXPECT_FALSE(note.HasButton(IDCANCEL));
    ASSERT_TRUE(note.Press(IDOK));
    ASSERT_TRUE(WaitUntil([] { return ::FindWindowA(nullptr, "Velmora Farreach Setup") != nullptr; }));

    // The installer puts the service in place only as it closes, 2 s after the first wait ends.
    const Window main = app.WaitForMainDialog(60000);
    ASSERT_TRUE(main) << app.DescribeWindows();
    EXPECT_EQ(nullptr, ::FindWindowA(nullptr, "Velmora Farreach Setup"));
    EXPECT_FALSE(main.Child(IDC_STATIC_INFO).IsVisible());
    EXPECT_EQ(380, Height(main.Child(IDC_LIST_FCO)));
}

struct ExitRow {
    const char* name;
    bool utility;
    int answer;
    bool utilityStarted;
};

class ExitReminder : public Scenario, public ::testing::WithParamInterface<ExitRow> {};

TEST_P(ExitReminder, RemindsToBackUpAndStartsTheUtilityOnOk)
{
    const ExitRow& row = GetParam();
    if (row.utility) {
        ASSERT_TRUE(PlaceStandin("standin_backup_utility.exe", kBackupUtility));
    } else {
        ASSERT_TRUE(RemoveTree(kBackupUtility));
    }
    ScratchFolder folder(ScratchName(), {{"press.txt", kCatalogue}});
    ASSERT_TRUE(folder.Ready());
    MendwrightProcess app(folder);
    ASSERT_TRUE(app.Started()) << app.StartError();
    if (!row.utility) {
        ASSERT_TRUE(app.WaitForMessageBox(kWarningCaption).Press(IDOK)) << app.DescribeWindows();
    }
    const Window main = app.WaitForMainDialog();
    ASSERT_TRUE(main) << app.DescribeWindows();

    ASSERT_TRUE(main.Click(IDOK));
    const ShownMessageBox reminder = app.WaitForMessageBox(kWarningCaption);
    ASSERT_TRUE(reminder) << app.DescribeWindows();
    EXPECT_EQ(row.utility ? "Registry needs to be backed up.\r\n Click OK to launch \"Backup and Restore\".\r\n "
                            "(Verify you have version 0.5 or higher).\n"
                          : "Please backup the registry with Backup and Restore",
              reminder.Text());
    EXPECT_EQ(row.utility, reminder.HasButton(IDCANCEL));
    EXPECT_EQ(main, reminder.Owner());
    ASSERT_TRUE(reminder.Press(row.answer));

    EXPECT_TRUE(app.WaitForExit()) << app.DescribeWindows();
    EXPECT_EQ(row.utilityStarted, WaitUntil([] { return PathExists(kUtilityStartedMarker); }, 3000));
}

INSTANTIATE_TEST_SUITE_P(Rows, ExitReminder,
                         ::testing::Values(ExitRow{"UtilityOk", true, IDOK, true},
                                           ExitRow{"UtilityCancel", true, IDCANCEL, false},
                                           ExitRow{"NoUtility", false, IDOK, false}),
                         [](const ::testing::TestParamInfo<ExitRow>& info) { return std::string(info.param.name); });

TEST_F(OutsidePrograms, EscapeAndTheCloseBoxLeaveWithoutTheReminder)
{
    ScratchFolder folder(ScratchName(), {{"press.txt", kCatalogue}});
    ASSERT_TRUE(folder.Ready());
    for (const bool escape : {true, false}) {
        MendwrightProcess app(folder);
        ASSERT_TRUE(app.Started()) << app.StartError();
        const Window main = app.WaitForMainDialog();
        ASSERT_TRUE(main) << app.DescribeWindows();
        if (escape) {
            ASSERT_TRUE(::PostMessageW(main.Child(IDOK).Handle(), WM_KEYDOWN, VK_ESCAPE, 0));
        } else {
            ASSERT_TRUE(::PostMessageW(main.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0));
        }
        EXPECT_TRUE(app.WaitForExit()) << (escape ? "Escape: " : "close box: ") << app.DescribeWindows();
    }
}

TEST_F(OutsidePrograms, FcoInfoIsShownOnlyWithTheMachinesPdfAndOpensIt)
{
    const PdfViewerRegistration viewer;
    ASSERT_TRUE(viewer.Ready());
    ScratchFolder folder(ScratchName(), {{"press.txt", kCatalogue}});
    ASSERT_TRUE(folder.Ready());
    for (const bool hasPdf : {false, true}) {
        if (hasPdf) {
            ASSERT_TRUE(WriteWholeFile(folder.PathOf("press.pdf"), "%PDF-1.4\n"));
        }
        MendwrightProcess app(folder);
        ASSERT_TRUE(app.Started()) << app.StartError();
        const Window main = app.WaitForMainDialog();
        ASSERT_TRUE(main) << app.DescribeWindows();

        EXPECT_EQ(hasPdf, main.Child(IDC_BUTTON_FCO_INFO).IsVisible());
        if (hasPdf) {
            ASSERT_TRUE(main.Click(IDC_BUTTON_FCO_INFO));
            EXPECT_TRUE(WaitUntil([&] { return PathExists(folder.PathOf("press.pdf.opened")); }))
                << "the viewer did not open " << folder.PathOf("press.pdf");
        }
        ASSERT_TRUE(main.Close());
        EXPECT_TRUE(app.WaitForExit());
    }
}

TEST_F(OutsidePrograms, TheAboutBoxOpensFromTheSystemMenuCommandWhateverItsLowBits)
{
    ScratchFolder folder(ScratchName(), {{"press.txt", kCatalogue}});
    ASSERT_TRUE(folder.Ready());
    MendwrightProcess app(folder);
    ASSERT_TRUE(app.Started()) << app.StartError();
    const Window main = app.WaitForMainDialog();
    ASSERT_TRUE(main) << app.DescribeWindows();

    for (const WPARAM command : {WPARAM(IDM_ABOUTBOX), WPARAM(0x0013)}) {
        ASSERT_TRUE(::PostMessageW(main.Handle(), WM_SYSCOMMAND, command, 0));
        const Window about = app.WaitForWindow([](const Window& window) {
            return window.IsVisible() && window.Text() == "About Tallyroll";
        });
        ASSERT_TRUE(about) << "command " << command << ": " << app.DescribeWindows();
        EXPECT_EQ(main, about.Owner());
        EXPECT_FALSE(main.IsEnabled());
        ASSERT_TRUE(about.Click(IDOK));
        EXPECT_TRUE(app.WaitUntilGone(about));
    }
}

} // namespace
} // namespace e2e
