// The rich tooltip's texts and tools in a real owner window under Wine: callbacks, the description, tool records and defaults.
#include "tests/win/support/RichTipFixture.h"

#include <string>

namespace {
const char kListText[] = "Description: please click on right click button to show ToolTip ";

class RichTipTextTest : public RichTipTest {
protected:
    std::string CallbackText(TipAnswer answer, const std::string& text = std::string())
    {
        host.m_answer = answer;
        host.m_answerText = text;
        return tip.GetToolText(Tool(RichTipHost::kWideId, 42));
    }
};

TEST_F(RichTipTextTest, CallbackToolsAskTheOwnerEachTimeAndNeverReadPastWhatTheAnswerHolds)
{
    AddTool(RichTipHost::kWideId, LPSTR_TEXTCALLBACKA, nullptr, 42);
    EXPECT_EQ(Info(RichTipHost::kWideId, 42).lpszText, LPSTR_TEXTCALLBACKA);

    EXPECT_EQ(CallbackText(TipAnswer::SzText, "from szText"), "from szText");
    ASSERT_EQ(host.m_questions.size(), 1u);
    EXPECT_EQ(host.m_questions[0].wParam, 42u);
    EXPECT_EQ(host.m_questions[0].hwndFrom, tip.m_hWnd);
    EXPECT_EQ(host.m_questions[0].idFrom, (UINT_PTR)RichTipHost::kWideId);

    const std::string longer(300, 'L');
    EXPECT_EQ(CallbackText(TipAnswer::Pointer, longer), longer);
    EXPECT_EQ(CallbackText(TipAnswer::Resource), "c:\\FCObackup");
    EXPECT_EQ(CallbackText(TipAnswer::FullSzText), std::string(80, 'W'));
    EXPECT_EQ(CallbackText(TipAnswer::PointerIntoSzText), std::string(10, 'P'));
    EXPECT_EQ(CallbackText(TipAnswer::Callback), "");
    EXPECT_EQ(CallbackText(TipAnswer::SzText, "first\rsecond"), "first  ");
    EXPECT_TRUE(tip.m_bTwoPages);
    EXPECT_EQ(host.m_questions.size(), 7u);
}

TEST_F(RichTipTextTest, ACallbackToolLeftUnansweredShowsNothing)
{
    AddTool(RichTipHost::kWideId, LPSTR_TEXTCALLBACKA);
    ShowAt(host.CentreOf(RichTipHost::kWideId));
    EXPECT_FALSE(tip.Visible());
    EXPECT_EQ(host.m_questions.size(), 1u);

    host.m_answer = TipAnswer::SzText;
    host.m_answerText = "answered";
    ShowAgainAt(host.CentreOf(RichTipHost::kWideId));
    EXPECT_TRUE(tip.Visible());
}

TEST_F(RichTipTextTest, ATextBeginningDescriptionTakesTheDescriptionCurrentAtEachShow)
{
    AddTool(RichTipHost::kListId, kListText);
    AddTool(RichTipHost::kWideId, "description: lower case stays");
    AddTool(RichTipHost::kDisabledId, LPSTR_TEXTCALLBACKA);

    tip.m_strDescription = "Description: 100% of %s done";
    ShowAt(host.CentreOf(RichTipHost::kListId));
    EXPECT_TRUE(tip.Visible());
    EXPECT_STREQ(Info(RichTipHost::kListId).lpszText, "Description: 100% of %s done");

    tip.m_strDescription = "Description: Firmware 2.4\rsecond page";
    ShowAgainAt(host.CentreOf(RichTipHost::kListId));
    EXPECT_STREQ(Info(RichTipHost::kListId).lpszText, "Description: Firmware 2.4\rsecond page");
    EXPECT_EQ(tip.GetToolText(tip.m_pCurrentTool), "Description: Firmware 2.4  ");

    ShowAt(host.CentreOf(RichTipHost::kWideId));
    EXPECT_STREQ(Info(RichTipHost::kWideId).lpszText, "description: lower case stays");
    ShowAt(host.CentreOf(RichTipHost::kDisabledId));
    EXPECT_EQ(Info(RichTipHost::kDisabledId).lpszText, LPSTR_TEXTCALLBACKA);
    AddTool(RichTipHost::kHiddenId, " Description: after a blank");
    ShowAt(host.CentreOf(RichTipHost::kHiddenId));
    EXPECT_STREQ(Info(RichTipHost::kHiddenId).lpszText, " Description: after a blank");
}

TEST_F(RichTipTextTest, ToolRecordsAreReadAndWrittenWholeAndUnknownToolsAreRefused)
{
    RICHTIPINFO info = Info(RichTipHost::kAlphaId);
    EXPECT_EQ(info.cbSize, sizeof(RICHTIPINFO));
    EXPECT_EQ(info.hwnd, host.Control(RichTipHost::kAlphaId));
    EXPECT_EQ(info.hinst, ::GetModuleHandleA(nullptr));
    EXPECT_STREQ(info.lpszText, kAlphaText);
    EXPECT_EQ(info.uFlags, 0u);
    EXPECT_EQ(info.lParam, 0);
    CRect window = CWnd(host.Control(RichTipHost::kAlphaId)).GetWindowRect();
    ::ScreenToClient(host.Window(), reinterpret_cast<POINT*>(&window.left));
    ::ScreenToClient(host.Window(), reinterpret_cast<POINT*>(&window.right));
    EXPECT_EQ(CRect(info.rect), window);

    // Written back with its own text pointer, and with new values.
    info.uFlags = 0x11;
    info.lParam = 1234;
    info.nMaxWidth = 77;
    info.rect = RECT{1, 2, 3, 4};
    tip.SetToolInfo(&info);
    const RICHTIPINFO again = Info(RichTipHost::kAlphaId);
    EXPECT_STREQ(again.lpszText, kAlphaText);
    EXPECT_EQ(again.uFlags, 0x11u);
    EXPECT_EQ(again.lParam, 1234);
    EXPECT_EQ(again.nMaxWidth, 77);
    EXPECT_EQ(CRect(again.rect), CRect(1, 2, 3, 4));
    info.lpszText = LPSTR_TEXTCALLBACKA;
    tip.SetToolInfo(&info);
    EXPECT_EQ(Info(RichTipHost::kAlphaId).lpszText, LPSTR_TEXTCALLBACKA);

    RICHTIPINFO unknown = info;
    unknown.hwnd = host.Control(RichTipHost::kEditId);
    tip.SetToolInfo(&unknown);
    CWnd edit(host.Control(RichTipHost::kEditId));
    EXPECT_FALSE(tip.GetToolInfo(&unknown, &edit, 0));
    CWnd alpha(host.Control(RichTipHost::kAlphaId));
    EXPECT_FALSE(tip.GetToolInfo(&unknown, &alpha, 1));
    EXPECT_FALSE(tip.AddTool(nullptr, "no window"));

    // A rectangle in the control's client coordinates lands in the owner's.
    RECT inWide = {5, 6, 25, 16};
    AddTool(RichTipHost::kWideId, "part", &inWide, 3);
    POINT corner = {5, 6};
    ::MapWindowPoints(host.Control(RichTipHost::kWideId), host.Window(), &corner, 1);
    EXPECT_EQ(CRect(Info(RichTipHost::kWideId, 3).rect), CRect(corner.x, corner.y, corner.x + 20, corner.y + 10));
}

TEST_F(RichTipTextTest, NewDefaultsReachEveryToolStillOnTheOldOneButNotToolsWithTheirOwn)
{
    const COLORREF red = RGB(255, 0, 0);
    const COLORREF green = RGB(0, 255, 0);
    const COLORREF blue = RGB(0, 0, 255);
    AddTool(RichTipHost::kWideId, "wide");
    EXPECT_EQ(tip.GetTipBkColor(), kTipSystemColor);
    EXPECT_EQ(tip.GetTipTextColor(), kTipSystemColor);
    EXPECT_EQ(Info(RichTipHost::kWideId).crBk, kTipSystemColor);

    RICHTIPINFO beta = Info(RichTipHost::kBetaId);
    beta.crBk = red;
    beta.crText = red;
    beta.nMaxWidth = 300;
    tip.SetToolInfo(&beta);

    tip.SetTipBkColor(green);
    tip.SetTipTextColor(green);
    EXPECT_EQ(tip.SetMaxTipWidth(1500), 0);
    EXPECT_EQ(tip.GetTipBkColor(), green);
    for (int id : {RichTipHost::kAlphaId, RichTipHost::kWideId}) {
        EXPECT_EQ(Info(id).crBk, green) << id;
        EXPECT_EQ(Info(id).crText, green) << id;
        EXPECT_EQ(Info(id).nMaxWidth, 1500) << id;
    }
    EXPECT_EQ(Info(RichTipHost::kBetaId).crBk, red);
    EXPECT_EQ(Info(RichTipHost::kBetaId).crText, red);
    EXPECT_EQ(Info(RichTipHost::kBetaId).nMaxWidth, 300);

    // A tool whose own value equals the default goes with the default.
    RICHTIPINFO wide = Info(RichTipHost::kWideId);
    wide.crText = red;
    tip.SetToolInfo(&wide);
    tip.SetTipBkColor(blue);
    tip.SetTipTextColor(blue);
    EXPECT_EQ(tip.SetMaxTipWidth(200), 1500);
    EXPECT_EQ(Info(RichTipHost::kWideId).crBk, blue);
    EXPECT_EQ(Info(RichTipHost::kWideId).crText, red);
    EXPECT_EQ(Info(RichTipHost::kBetaId).crBk, red);

    // Tools added later start from the current defaults.
    AddTool(RichTipHost::kListId, "list");
    EXPECT_EQ(Info(RichTipHost::kListId).crBk, blue);
    EXPECT_EQ(Info(RichTipHost::kListId).crText, blue);
    EXPECT_EQ(Info(RichTipHost::kListId).nMaxWidth, 200);
}
} // namespace
