// The program's own tip window over the main dialog: a button's help after the initial delay, the FCO descriptions.
#include "tests/e2e/scenarios/Scenario.h"

#include "res/resource.h"
#include "tests/e2e/driver/Mouse.h"

#include <memory>
#include <string>
#include <vector>

namespace e2e {
namespace {

// The first row's description is far longer than the dialog keeps of it.
std::string Catalogue()
{
    std::string text = "15/07/06\n456@Imaging head@";
    for (int i = 0; text.size() < 6100; ++i)
        text += "part" + std::to_string(i) + "% ";
    return text + "\n457@Loader@New firmware for the loader\nEND;\n";
}

class Tooltips : public Scenario {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(Scenario::SetUp());
        // Off the dialog, so the program starts with no tool under the pointer.
        ASSERT_TRUE(MoveMouse(POINT{0, 0}));
        folder = std::make_unique<ScratchFolder>(ScratchName(), std::vector<ScratchFile>{{"press.txt", Catalogue()}});
        ASSERT_TRUE(folder->Ready());
        app = std::make_unique<MendwrightProcess>(*folder);
        ASSERT_TRUE(app->Started()) << app->StartError();
        main = app->WaitForMainDialog();
        ASSERT_TRUE(main) << app->DescribeWindows();
        // The tip is a popup of the program's own window class, owned by the dialog.
        tip = app->FindTopLevel([&](const Window& window) {
            return window.Owner() == main && window.ClassName().rfind("Mendwright:", 0) == 0;
        });
        ASSERT_TRUE(tip) << app->DescribeWindows();
    }

    GUITHREADINFO Input() const
    {
        GUITHREADINFO info = {};
        info.cbSize = sizeof(info);
        ::GetGUIThreadInfo(::GetWindowThreadProcessId(main.Handle(), nullptr), &info);
        return info;
    }

    // Declared in this order so the program ends before its folder is removed.
    std::unique_ptr<ScratchFolder> folder;
    std::unique_ptr<MendwrightProcess> app;
    Window main;
    Window tip;
};

TEST_F(Tooltips, RestingOnExitShowsItsHelpAfterTheInitialDelayWithoutTakingInputAndHidesAtTheAutoPopTime)
{
    const GUITHREADINFO before = Input();
    const POINT exit = CentreOf(main.Child(IDOK).ScreenRect());
    ASSERT_TRUE(MoveMouse(exit));
    const DWORD moved = ::GetTickCount();
    ASSERT_TRUE(WaitUntil([&] { return tip.IsVisible(); }, 5000));
    const DWORD shown = ::GetTickCount();

    EXPECT_GE(shown - moved, 450u) << "the initial delay is 500 ms";
    EXPECT_EQ("Click here to exit the Mendwright", tip.Text());
    const RECT place = tip.ScreenRect();
    EXPECT_EQ(exit.x, place.left);
    EXPECT_EQ(exit.y + 20, place.top);
    const GUITHREADINFO showing = Input();
    EXPECT_EQ(main.Handle(), showing.hwndActive);
    EXPECT_EQ(before.hwndFocus, showing.hwndFocus);

    ASSERT_TRUE(WaitUntil([&] { return !tip.IsVisible(); }, 10000));
    EXPECT_GE(::GetTickCount() - shown, 4000u) << "the auto-pop time is 5000 ms";
}

TEST_F(Tooltips, ARightClickOnARowShowsItsDescriptionCutToFitAndAClickOnTheTipLeavesTheFocusAlone)
{
    const ListViewReader list = app->ReadList(main.Child(IDC_LIST_FCO));
    ASSERT_EQ(2, list.RowCount());

    // The lower row first: the tip shows below the pointer, over the rows beneath it.
    Click(CentreOf(list.CellRectOnScreen(1, 2)), MouseButton::Right);
    const std::string loader = "Description: New firmware for the loader";
    EXPECT_TRUE(WaitUntil([&] { return tip.IsVisible() && tip.Text() == loader; }, 5000)) << tip.Text();

    const GUITHREADINFO before = Input();
    Click(CentreOf(tip.ScreenRect()), MouseButton::Left);
    EXPECT_TRUE(WaitUntil([&] { return !tip.IsVisible(); }, 5000));
    const GUITHREADINFO after = Input();
    EXPECT_EQ(main.Handle(), after.hwndActive);
    EXPECT_EQ(before.hwndFocus, after.hwndFocus);

    const std::string description = list.CellText(0, 4);
    ASSERT_GT(description.size(), 6000u);
    Click(CentreOf(list.CellRectOnScreen(0, 2)), MouseButton::Right);
    EXPECT_TRUE(WaitUntil([&] { return tip.IsVisible() && tip.Text() != loader; }, 5000));
    EXPECT_EQ("Description: " + description.substr(0, 4999), tip.Text());
    EXPECT_TRUE(app->IsRunning());
}

} // namespace
} // namespace e2e
