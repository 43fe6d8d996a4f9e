// An owner window with controls for the rich tooltip, a tip that shows its state, and message pumping.
#pragma once

#include "tooltip/RichTipWnd.h"

#include <windows.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

// How the owner answers a TTN_NEEDTEXTA.
enum class TipAnswer { None, SzText, FullSzText, Pointer, PointerIntoSzText, Resource, Callback };

// One TTN_NEEDTEXTA as the owner received it.
struct TipQuestion {
    WPARAM wParam;
    HWND hwndFrom;
    UINT_PTR idFrom;
};

// A visible top-level window with: buttons Alpha and Beta, a hidden and a disabled
// button, a wide button for two tools, a list view (whose header is a child of a
// child), and two edits. One serves every test: without a window manager Wine
// takes two seconds to destroy a top-level window that has been active.
class RichTipHost {
public:
    static const int kAlphaId = 1006;
    static const int kBetaId = 1008;
    static const int kHiddenId = 1007;
    static const int kDisabledId = 1027;
    static const int kWideId = 1032;
    static const int kListId = 1003;
    static const int kEditId = 1010;
    static const int kEdit2Id = 1011;

    // The shared host, back in its place, active, with the focus in the first edit
    // and no answers to callback questions.
    static RichTipHost& Reset();
    RichTipHost(const RichTipHost&) = delete;
    RichTipHost& operator=(const RichTipHost&) = delete;

    HWND Window() const { return m_hWnd; }
    HWND Control(int id) const { return ::GetDlgItem(m_hWnd, id); }
    // The middle of a control, and a point of the host's client area no control covers, in screen coordinates.
    POINT CentreOf(int id) const;
    POINT EmptySpot() const;
    // Puts the host's top-left corner at a screen position.
    void MoveTo(int x, int y);

    TipAnswer m_answer = TipAnswer::None;
    std::string m_answerText;
    std::vector<TipQuestion> m_questions;

private:
    RichTipHost();
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
};

// The tip with its inner state open to the tests, and a record of the ticks and paints it received.
class TestRichTip : public CRichTipWnd {
public:
    using CRichTipWnd::kPollTimer;
    using CRichTipWnd::kShowTimer;
    using CRichTipWnd::CalcTipPosition;
    using CRichTipWnd::FindTool;
    using CRichTipWnd::GetToolText;
    using CRichTipWnd::ToolFromPoint;
    using CRichTipWnd::m_bHidden;
    using CRichTipWnd::m_bSystemFont;
    using CRichTipWnd::m_bTwoPages;
    using CRichTipWnd::m_logFont;
    using CRichTipWnd::m_nAutoPopTime;
    using CRichTipWnd::m_nInitialDelay;
    using CRichTipWnd::m_nPage;
    using CRichTipWnd::m_nPollInterval;
    using CRichTipWnd::m_nShownTime;
    using CRichTipWnd::m_pCurrentTool;

    std::vector<UINT_PTR> m_ticks;
    int m_nPaints = 0;
    int m_nClicks = 0;
    LARGE_INTEGER m_lastPaintEnd = {};

    bool Visible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }

protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

// Sets the cursor there and relays the mouse move the owner's loop would pass on.
void MoveCursor(TestRichTip& tip, POINT screen);
// Relays a message as the owner's loop would, for the window under the point.
void Relay(TestRichTip& tip, UINT message, POINT screen, WPARAM wParam = 0);
// A tick of a timer of the tip, without waiting for it.
void Tick(TestRichTip& tip, UINT_PTR id);
// Dispatches this thread's messages until done() holds or the limit passes; done()'s last answer.
bool PumpUntil(const std::function<bool()>& done, DWORD limitMs);
void PumpFor(DWORD ms);

// Rectangles compared and printed by value in test expectations.
inline bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
void PrintTo(const RECT& rect, std::ostream* os);
void PrintTo(const CRect& rect, std::ostream* os);
