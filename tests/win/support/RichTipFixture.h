// The test fixture of the rich tooltip: the shared owner window and a fresh tip with two tools.
#pragma once

#include "tests/win/support/RichTipHost.h"

#include <gtest/gtest.h>

class RichTipTest : public ::testing::Test {
protected:
    static constexpr const char* kAlphaText = "Click here to update registry with the selected FCOs";
    static constexpr const char* kBetaText = "Click here to restore a previously saved FCO list";
    // Long enough that no real timer ticks while a test steps the tip by hand.
    static constexpr UINT kNeverMs = 600000;

    void SetUp() override
    {
        ASSERT_NE(host.Window(), nullptr);
        ASSERT_TRUE(tip.Create(&owner));
        // The auto-pop still comes with the fifth poll.
        tip.m_nInitialDelay = kNeverMs;
        tip.m_nPollInterval = kNeverMs;
        tip.m_nAutoPopTime = 5 * kNeverMs;
        AddTool(RichTipHost::kAlphaId, kAlphaText);
        AddTool(RichTipHost::kBetaId, kBetaText);
    }

    void AddTool(int id, LPCSTR text, const RECT* area = nullptr, UINT toolId = 0)
    {
        CWnd control(host.Control(id));
        ASSERT_TRUE(tip.AddTool(&control, text, area, toolId));
    }

    CRichTipTool* Tool(int id, UINT toolId = 0) { return tip.FindTool(host.Control(id), toolId); }

    RICHTIPINFO Info(int id, UINT toolId = 0)
    {
        RICHTIPINFO info = {};
        info.cbSize = sizeof(info);
        CWnd control(host.Control(id));
        EXPECT_TRUE(tip.GetToolInfo(&info, &control, toolId));
        return info;
    }

    // Armed for the tool under point, then the initial delay ends.
    void ShowAt(POINT point)
    {
        MoveCursor(tip, point);
        Tick(tip, TestRichTip::kShowTimer);
    }

    // The tool under point is asked again, as a right click does.
    void ShowAgainAt(POINT point)
    {
        ::SetCursorPos(point.x, point.y);
        Relay(tip, WM_RBUTTONDOWN, point);
        Tick(tip, TestRichTip::kShowTimer);
    }

    CPoint Client(POINT screen)
    {
        ::ScreenToClient(host.Window(), &screen);
        return CPoint(screen.x, screen.y);
    }

    RichTipHost& host = RichTipHost::Reset();
    CWnd owner{host.Window()};
    TestRichTip tip;
};
