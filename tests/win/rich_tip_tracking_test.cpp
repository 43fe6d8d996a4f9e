// The rich tooltip following the cursor in a real owner window under Wine: hit tests, states, timers, placement, focus.
#include "tests/win/support/RichTipFixture.h"

#include <vector>

namespace {
using RichTipTrackingTest = RichTipTest;

TEST_F(RichTipTrackingTest, RestingOnAToolShowsItsTipTwentyPixelsBelowTheCursorWithoutTakingActivation)
{
    const POINT cursor = host.CentreOf(RichTipHost::kAlphaId);
    MoveCursor(tip, cursor);
    EXPECT_EQ(tip.m_pCurrentTool, Tool(RichTipHost::kAlphaId));
    EXPECT_FALSE(tip.m_bHidden);
    EXPECT_FALSE(tip.Visible());

    Tick(tip, TestRichTip::kShowTimer);

    ASSERT_TRUE(tip.Visible());
    const CRect shown = tip.GetWindowRect();
    EXPECT_EQ(shown.left, cursor.x);
    EXPECT_EQ(shown.top, cursor.y + 20);
    EXPECT_EQ(tip.m_nShownTime, 0u);
    EXPECT_EQ(::GetActiveWindow(), host.Window());
    EXPECT_EQ(::GetFocus(), host.Control(RichTipHost::kEditId));
    EXPECT_TRUE((::GetWindowLongA(tip.m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    EXPECT_EQ(::GetWindow(tip.m_hWnd, GW_OWNER), host.Window());
}

TEST_F(RichTipTrackingTest, TheRealDefaultTimersShowAfterTheInitialDelayAndHideAtTheFifthPoll)
{
    TestRichTip fresh;
    ASSERT_TRUE(fresh.Create(&owner));
    CWnd alpha(host.Control(RichTipHost::kAlphaId));
    ASSERT_TRUE(fresh.AddTool(&alpha, kAlphaText));
    EXPECT_EQ(fresh.m_nInitialDelay, 500u);
    EXPECT_EQ(fresh.m_nPollInterval, 1000u);
    EXPECT_EQ(fresh.m_nAutoPopTime, 5000u);

    MoveCursor(fresh, host.CentreOf(RichTipHost::kAlphaId));
    EXPECT_FALSE(fresh.Visible());
    ASSERT_TRUE(PumpUntil([&] { return fresh.Visible(); }, 5000));
    ASSERT_TRUE(PumpUntil([&] { return !fresh.Visible(); }, 15000));

    // Five polls of 1000 ms with the cursor in the tool all along, then nothing more.
    EXPECT_EQ(fresh.m_nShownTime, 5000u);
    EXPECT_TRUE(fresh.m_bHidden);
    const std::vector<UINT_PTR> expected = {1, 2, 2, 2, 2, 2};
    EXPECT_EQ(fresh.m_ticks, expected);
}

TEST_F(RichTipTrackingTest, LeavingBeforeTheDelayShowsNothingAndComingBackDoesNotArmAgain)
{
    tip.m_nInitialDelay = 20;
    MoveCursor(tip, host.CentreOf(RichTipHost::kAlphaId));
    MoveCursor(tip, host.EmptySpot());
    EXPECT_EQ(tip.m_pCurrentTool, Tool(RichTipHost::kAlphaId));
    ASSERT_TRUE(PumpUntil([&] { return !tip.m_ticks.empty(); }, 2000));
    EXPECT_FALSE(tip.Visible());

    MoveCursor(tip, host.CentreOf(RichTipHost::kAlphaId));
    PumpFor(200);

    EXPECT_FALSE(tip.Visible());
    EXPECT_EQ(tip.m_ticks.size(), 1u) << "no timer may run until another tool is armed";
    EXPECT_EQ(tip.m_pCurrentTool, Tool(RichTipHost::kAlphaId));
}

TEST_F(RichTipTrackingTest, PollsHideAtTheAutoPopTimeOrOffTheToolButNotWhileTheCursorIsOverTheTip)
{
    const POINT alpha = host.CentreOf(RichTipHost::kAlphaId);
    ShowAt(alpha);
    ASSERT_TRUE(tip.Visible());
    for (int poll = 1; poll <= 4; ++poll) {
        Tick(tip, TestRichTip::kPollTimer);
        EXPECT_TRUE(tip.Visible()) << "poll " << poll;
    }
    Tick(tip, TestRichTip::kPollTimer);
    EXPECT_FALSE(tip.Visible());
    EXPECT_TRUE(tip.m_bHidden);

    ShowAgainAt(alpha);
    ASSERT_TRUE(tip.Visible());
    const CRect shown = tip.GetWindowRect();
    const POINT onTip = {shown.left + 2, shown.top + 2};
    MoveCursor(tip, onTip);
    for (int poll = 1; poll <= 8; ++poll)
        Tick(tip, TestRichTip::kPollTimer);
    EXPECT_TRUE(tip.Visible()) << "the cursor rests on the tip";
    EXPECT_EQ(tip.m_pCurrentTool, Tool(RichTipHost::kAlphaId));

    ::SetCursorPos(host.EmptySpot().x, host.EmptySpot().y);
    Tick(tip, TestRichTip::kPollTimer);
    EXPECT_FALSE(tip.Visible());

    ShowAgainAt(alpha);
    ASSERT_TRUE(tip.Visible());
    const POINT beta = host.CentreOf(RichTipHost::kBetaId);
    ::SetCursorPos(beta.x, beta.y);
    Tick(tip, TestRichTip::kPollTimer);
    EXPECT_FALSE(tip.Visible()) << "another tool under the cursor";
    EXPECT_TRUE(tip.m_bHidden);
}

TEST_F(RichTipTrackingTest, DismissedTipStaysAwayInItsToolUntilTheCursorLeavesOrTheRightButtonAsks)
{
    const POINT alpha = host.CentreOf(RichTipHost::kAlphaId);
    ShowAt(alpha);
    ASSERT_TRUE(tip.Visible());
    Relay(tip, WM_KEYDOWN, alpha, VK_SPACE);
    EXPECT_FALSE(tip.Visible());
    EXPECT_TRUE(tip.m_bHidden);
    EXPECT_EQ(tip.m_pCurrentTool, Tool(RichTipHost::kAlphaId));

    // Within the tool: nothing.
    MoveCursor(tip, POINT{alpha.x + 3, alpha.y + 1});
    EXPECT_TRUE(tip.m_bHidden);
    Tick(tip, TestRichTip::kShowTimer);
    EXPECT_FALSE(tip.Visible());

    // Out and back: armed again.
    MoveCursor(tip, host.EmptySpot());
    EXPECT_EQ(tip.m_pCurrentTool, nullptr);
    MoveCursor(tip, alpha);
    EXPECT_FALSE(tip.m_bHidden);
    Tick(tip, TestRichTip::kShowTimer);
    EXPECT_TRUE(tip.Visible());

    // A right click on the same tool arms it too.
    Relay(tip, WM_KEYUP, alpha, VK_SPACE);
    EXPECT_FALSE(tip.Visible());
    Relay(tip, WM_RBUTTONDOWN, alpha);
    EXPECT_FALSE(tip.m_bHidden);
    Tick(tip, TestRichTip::kShowTimer);
    EXPECT_TRUE(tip.Visible());
}

TEST_F(RichTipTrackingTest, MovingToAnotherToolArmsItButMovingOntoTheTipKeepsTheTip)
{
    ShowAt(host.CentreOf(RichTipHost::kAlphaId));
    ASSERT_TRUE(tip.Visible());
    MoveCursor(tip, host.CentreOf(RichTipHost::kBetaId));
    EXPECT_FALSE(tip.Visible());
    EXPECT_EQ(tip.m_pCurrentTool, Tool(RichTipHost::kBetaId));
    Tick(tip, TestRichTip::kShowTimer);
    ASSERT_TRUE(tip.Visible());
    EXPECT_EQ(tip.GetToolText(tip.m_pCurrentTool), kBetaText);

    const CRect shown = tip.GetWindowRect();
    MoveCursor(tip, POINT{shown.left + 3, shown.top + 3});
    EXPECT_TRUE(tip.Visible());
    EXPECT_EQ(tip.m_pCurrentTool, Tool(RichTipHost::kBetaId));
}

TEST_F(RichTipTrackingTest, KeysDoubleClicksMiddleAndFrameClicksHideButReleasesWheelAndTimersDoNot)
{
    const POINT alpha = host.CentreOf(RichTipHost::kAlphaId);
    ::SetCursorPos(alpha.x, alpha.y);
    const UINT hiding[] = {WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_DEADCHAR, WM_SYSKEYDOWN, WM_SYSKEYUP,
                           WM_SYSCHAR, WM_SYSDEADCHAR, 0x0108, WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK,
                           WM_MBUTTONDOWN, WM_MBUTTONDBLCLK, WM_NCLBUTTONDOWN, WM_NCLBUTTONDBLCLK,
                           WM_NCRBUTTONDOWN, WM_NCRBUTTONDBLCLK, WM_NCMBUTTONDOWN, WM_NCMBUTTONDBLCLK};
    for (UINT message : hiding) {
        Relay(tip, WM_RBUTTONDOWN, alpha);
        Tick(tip, TestRichTip::kShowTimer);
        ASSERT_TRUE(tip.Visible());
        Relay(tip, message, alpha);
        EXPECT_FALSE(tip.Visible()) << "message 0x" << std::hex << message;
        EXPECT_TRUE(tip.m_bHidden) << "message 0x" << std::hex << message;
    }

    Relay(tip, WM_RBUTTONDOWN, alpha);
    Tick(tip, TestRichTip::kShowTimer);
    const UINT ignored[] = {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP, WM_MOUSEWHEEL, WM_TIMER,
                            WM_PAINT, 0x0109 /* WM_UNICHAR */, WM_NCMOUSEMOVE, WM_NCLBUTTONUP};
    for (UINT message : ignored) {
        Relay(tip, message, alpha);
        EXPECT_TRUE(tip.Visible()) << "message 0x" << std::hex << message;
    }
}

TEST_F(RichTipTrackingTest, LeftButtonDownHidesAndArmsTheToolUnderItOrNone)
{
    const POINT alpha = host.CentreOf(RichTipHost::kAlphaId);
    ShowAt(alpha);
    ASSERT_TRUE(tip.Visible());
    Relay(tip, WM_LBUTTONDOWN, alpha);
    EXPECT_FALSE(tip.Visible());
    EXPECT_FALSE(tip.m_bHidden);
    EXPECT_EQ(tip.m_pCurrentTool, Tool(RichTipHost::kAlphaId));
    Tick(tip, TestRichTip::kShowTimer);
    EXPECT_TRUE(tip.Visible());

    Relay(tip, WM_LBUTTONDOWN, host.EmptySpot());
    EXPECT_FALSE(tip.Visible());
    EXPECT_EQ(tip.m_pCurrentTool, nullptr);
    // Idle after the next tick.
    Tick(tip, TestRichTip::kShowTimer);
    EXPECT_TRUE(tip.m_bHidden);
    EXPECT_FALSE(tip.Visible());
}

TEST_F(RichTipTrackingTest, ARelayedClickOnTheTipFindsNoToolAndHidesIt)
{
    AddTool(RichTipHost::kWideId, "first page\rsecond page");
    ShowAt(host.CentreOf(RichTipHost::kWideId));
    ASSERT_TRUE(tip.Visible());
    const CRect shown = tip.GetWindowRect();
    const POINT onTip = {shown.left + 4, shown.top + 4};
    ::SetCursorPos(onTip.x, onTip.y);

    // What the owner's loop does with the tip's own click: relay, then dispatch.
    Relay(tip, WM_LBUTTONDOWN, onTip);
    ::SendMessageA(tip.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));

    EXPECT_FALSE(tip.Visible());
    EXPECT_EQ(tip.m_pCurrentTool, nullptr);
    EXPECT_EQ(tip.m_nPage, 0);
}

// Real mouse input through Wine's input queue: the click reaches the tip as the user's would.
TEST_F(RichTipTrackingTest, AClickOnTheTipSwitchesThePageWithoutTakingActivationOrFocus)
{
    AddTool(RichTipHost::kWideId, "first page\rsecond page");
    ShowAt(host.CentreOf(RichTipHost::kWideId));
    ASSERT_TRUE(tip.Visible());
    ASSERT_TRUE(tip.m_bTwoPages);
    const CRect shown = tip.GetWindowRect();

    INPUT clicks[3] = {};
    for (INPUT& input : clicks) {
        input.type = INPUT_MOUSE;
        input.mi.dx = (shown.left + 4) * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = (shown.top + 4) * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE;
    }
    clicks[0].mi.dwFlags |= MOUSEEVENTF_MOVE;
    clicks[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    clicks[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(::SendInput(3, clicks, sizeof(INPUT)), 3u);
    ASSERT_TRUE(PumpUntil([&] { return tip.m_nClicks == 1; }, 3000));
    PumpFor(50);

    EXPECT_EQ(tip.m_nPage, 1);
    EXPECT_TRUE(tip.Visible());
    EXPECT_EQ(::GetActiveWindow(), host.Window());
    EXPECT_EQ(::GetFocus(), host.Control(RichTipHost::kEditId));
    EXPECT_EQ(tip.GetWindowRect().left, shown.left);
    EXPECT_EQ(tip.GetWindowRect().top, shown.top);

    ::SendMessageA(tip.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    EXPECT_EQ(tip.m_nPage, 0);
}

TEST_F(RichTipTrackingTest, AClickGivesTheFocusBackOnlyWhileTheTipHoldsIt)
{
    const HWND edit = host.Control(RichTipHost::kEditId);
    const HWND edit2 = host.Control(RichTipHost::kEdit2Id);
    ShowAt(host.CentreOf(RichTipHost::kAlphaId));
    ASSERT_TRUE(tip.Visible());
    ::SetFocus(edit);
    ::SetFocus(tip.m_hWnd);
    ASSERT_EQ(::GetFocus(), tip.m_hWnd);

    ::SendMessageA(tip.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    EXPECT_EQ(::GetFocus(), edit);

    // The record of the earlier focus must not pull the focus away from where the user put it since.
    ::SetFocus(edit2);
    ::SendMessageA(tip.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    EXPECT_EQ(::GetFocus(), edit2);
    EXPECT_EQ(::SendMessageA(tip.m_hWnd, WM_MOUSEACTIVATE, (WPARAM)host.Window(), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
}

TEST_F(RichTipTrackingTest, HiddenAndDisabledControlsAreFoundAndAChildFindsItsParentsTool)
{
    AddTool(RichTipHost::kHiddenId, "Open rbf");
    AddTool(RichTipHost::kDisabledId, "Change Text Font and Color...");
    AddTool(RichTipHost::kListId, "the list");
    const POINT hidden = host.CentreOf(RichTipHost::kHiddenId);
    const POINT disabled = host.CentreOf(RichTipHost::kDisabledId);

    EXPECT_EQ(tip.ToolFromPoint(Client(hidden)), Tool(RichTipHost::kHiddenId));
    EXPECT_EQ(tip.ToolFromPoint(Client(disabled)), Tool(RichTipHost::kDisabledId));
    CWnd disabledButton(host.Control(RichTipHost::kDisabledId));
    EXPECT_TRUE(tip.HitTest(&disabledButton, Client(disabled), nullptr));

    // The list's header is a child of the list.
    const HWND header = (HWND)::SendMessageA(host.Control(RichTipHost::kListId), LVM_GETHEADER, 0, 0);
    RECT headerRect;
    ::GetWindowRect(header, &headerRect);
    const POINT onHeader = {(headerRect.left + headerRect.right) / 2, (headerRect.top + headerRect.bottom) / 2};
    ASSERT_EQ(::WindowFromPoint(onHeader), header);
    EXPECT_EQ(tip.ToolFromPoint(Client(onHeader)), Tool(RichTipHost::kListId));

    EXPECT_EQ(tip.ToolFromPoint(Client(host.EmptySpot())), nullptr);
    const POINT edit = host.CentreOf(RichTipHost::kEditId);
    EXPECT_EQ(tip.ToolFromPoint(Client(edit)), nullptr);

    MoveCursor(tip, hidden);
    Tick(tip, TestRichTip::kShowTimer);
    EXPECT_TRUE(tip.Visible());
    EXPECT_EQ(tip.GetToolText(tip.m_pCurrentTool), "Open rbf");
}

TEST_F(RichTipTrackingTest, OnlyTheFirstToolOfAWindowIsEverHit)
{
    RECT wide;
    ::GetClientRect(host.Control(RichTipHost::kWideId), &wide);
    const RECT leftHalf = {0, 0, wide.right / 2, wide.bottom};
    const RECT rightHalf = {wide.right / 2, 0, wide.right, wide.bottom};
    AddTool(RichTipHost::kWideId, "left", &leftHalf, 7);
    AddTool(RichTipHost::kWideId, "right", &rightHalf, 8);
    POINT left = {wide.right / 4, wide.bottom / 2};
    POINT right = {wide.right * 3 / 4, wide.bottom / 2};
    ::ClientToScreen(host.Control(RichTipHost::kWideId), &left);
    ::ClientToScreen(host.Control(RichTipHost::kWideId), &right);

    EXPECT_EQ(tip.ToolFromPoint(Client(left)), tip.FindTool(host.Control(RichTipHost::kWideId), 7));
    EXPECT_EQ(tip.ToolFromPoint(Client(right)), nullptr);

    // The first tool is copied out even though the point misses it.
    RICHTIPINFO info = {};
    info.cbSize = sizeof(info);
    CWnd wideButton(host.Control(RichTipHost::kWideId));
    EXPECT_FALSE(tip.HitTest(&wideButton, Client(right), &info));
    EXPECT_EQ(info.uId, 7u);
    EXPECT_STREQ(info.lpszText, "left");
    EXPECT_FALSE(tip.HitTest(nullptr, Client(left), &info));
}

TEST_F(RichTipTrackingTest, TipsStayOnTheScreenLeftAndRightAndGoAboveTheToolAtTheBottom)
{
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    host.MoveTo(screenWidth - 200, screenHeight - 40);
    const CRichTipTool* alpha = Tool(RichTipHost::kAlphaId);
    const CRect button = CWnd(host.Control(RichTipHost::kAlphaId)).GetWindowRect();
    struct Case {
        CPoint point;
        CRect size;
        CRect expected;
    } cases[] = {
        {{40, 100}, {0, 0, 100, 40}, {40, 100, 140, 140}},
        {{1200, 100}, {0, 0, 200, 40}, {screenWidth - 200, 100, screenWidth, 140}},
        {{screenWidth - 200, 100}, {0, 0, 200, 40}, {screenWidth - 200, 100, screenWidth, 140}},
        {{300, 100}, {0, 0, screenWidth + 220, 40}, {0, 100, screenWidth + 220, 140}},
        {{-30, 100}, {0, 0, 100, 40}, {0, 100, 100, 140}},
        {{500, screenHeight - 10}, {0, 0, 80, 30}, {500, button.top - 30, 580, button.top}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tip.CalcTipPosition(c.point, alpha, c.size), c.expected) << c.point.x << ", " << c.point.y;

    // Shown for real, the cursor in the corner of the screen.
    ShowAt(POINT{button.left + 5, button.top + 5});
    ASSERT_TRUE(tip.Visible());
    const CRect shown = tip.GetWindowRect();
    EXPECT_EQ(shown.right, screenWidth);
    EXPECT_EQ(shown.bottom, button.top);
    EXPECT_GT(shown.Height(), 5);
}
} // namespace
