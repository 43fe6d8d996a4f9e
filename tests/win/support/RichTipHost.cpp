// The owner window of the tooltip tests, the tip's test view and the message pump.
#include "tests/win/support/RichTipHost.h"

#include <commctrl.h>

#include <cstring>

namespace {
const char kHostClass[] = "MendwrightRichTipHost";
const int kHostWidth = 600;
const int kHostHeight = 300;
const int kHostLeft = 100;
const int kHostTop = 100;
const int kResourceTextId = 1001;  // "c:\FCObackup" in the program's string table

struct ControlLayout {
    const char* className;
    const char* text;
    int id;
    DWORD style;
    RECT rect;
};

const ControlLayout kControls[] = {
    {"BUTTON", "Alpha", RichTipHost::kAlphaId, WS_VISIBLE, {10, 10, 130, 40}},
    {"BUTTON", "Beta", RichTipHost::kBetaId, WS_VISIBLE, {140, 10, 260, 40}},
    {"BUTTON", "Hidden", RichTipHost::kHiddenId, 0, {10, 60, 130, 90}},
    {"BUTTON", "Disabled", RichTipHost::kDisabledId, WS_VISIBLE | WS_DISABLED, {140, 60, 260, 90}},
    {"BUTTON", "Wide", RichTipHost::kWideId, WS_VISIBLE, {10, 110, 260, 140}},
    {"EDIT", "", RichTipHost::kEditId, WS_VISIBLE | WS_BORDER | WS_TABSTOP, {10, 160, 130, 185}},
    {"EDIT", "", RichTipHost::kEdit2Id, WS_VISIBLE | WS_BORDER | WS_TABSTOP, {140, 160, 260, 185}},
    {WC_LISTVIEWA, "", RichTipHost::kListId, WS_VISIBLE | WS_BORDER | LVS_REPORT, {300, 10, 590, 200}},
};
} // namespace

RichTipHost& RichTipHost::Reset()
{
    // Never destroyed: the program's end takes the window with it.
    static RichTipHost* shared = new RichTipHost;
    shared->MoveTo(kHostLeft, kHostTop);
    shared->m_answer = TipAnswer::None;
    shared->m_answerText.clear();
    shared->m_questions.clear();
    ::SetForegroundWindow(shared->m_hWnd);
    ::SetFocus(shared->Control(kEditId));
    return *shared;
}

RichTipHost::RichTipHost()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = kHostClass;
    ::RegisterClassA(&wc);
    m_hWnd = ::CreateWindowExA(0, kHostClass, "Tip owner", WS_POPUP | WS_BORDER | WS_CLIPCHILDREN, kHostLeft, kHostTop,
                               kHostWidth, kHostHeight, nullptr, nullptr, ::GetModuleHandleA(nullptr), this);
    if (!m_hWnd)
        return;
    for (const ControlLayout& layout : kControls) {
        const RECT& r = layout.rect;
        ::CreateWindowExA(0, layout.className, layout.text, WS_CHILD | layout.style, r.left, r.top, r.right - r.left,
                          r.bottom - r.top, m_hWnd, (HMENU)(INT_PTR)layout.id, ::GetModuleHandleA(nullptr), nullptr);
    }
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = 200;
    column.pszText = const_cast<char*>("Description");
    ::SendMessageA(Control(kListId), LVM_INSERTCOLUMNA, 0, (LPARAM)&column);
    ::ShowWindow(m_hWnd, SW_SHOW);
    ::UpdateWindow(m_hWnd);
}

POINT RichTipHost::CentreOf(int id) const
{
    RECT rect;
    ::GetWindowRect(Control(id), &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT RichTipHost::EmptySpot() const
{
    POINT spot = {150, 250};
    ::ClientToScreen(m_hWnd, &spot);
    return spot;
}

void RichTipHost::MoveTo(int x, int y)
{
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK RichTipHost::WindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE)
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA,
                            (LONG_PTR)reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    auto* self = reinterpret_cast<RichTipHost*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    return self && msg == WM_NOTIFY ? self->OnMessage(msg, wParam, lParam)
                                    : ::DefWindowProcA(hWnd, msg, wParam, lParam);
}

LRESULT RichTipHost::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->code != TTN_NEEDTEXTA)
        return ::DefWindowProcA(m_hWnd, msg, wParam, lParam);
    auto* answer = reinterpret_cast<TOOLTIPTEXTA*>(lParam);
    m_questions.push_back({wParam, header->hwndFrom, header->idFrom});
    switch (m_answer) {
    case TipAnswer::None:
        break;
    case TipAnswer::SzText:
        std::strncpy(answer->szText, m_answerText.c_str(), sizeof(answer->szText) - 1);
        break;
    case TipAnswer::FullSzText:
        // All 80 characters used, no terminating NUL.
        std::memset(answer->szText, 'W', sizeof(answer->szText));
        break;
    case TipAnswer::Pointer:
        answer->lpszText = const_cast<char*>(m_answerText.c_str());
        break;
    case TipAnswer::PointerIntoSzText:
        std::memset(answer->szText, 'P', sizeof(answer->szText));
        answer->lpszText = answer->szText + 70;
        break;
    case TipAnswer::Resource:
        answer->hinst = ::GetModuleHandleA(nullptr);
        answer->lpszText = MAKEINTRESOURCEA(kResourceTextId);
        break;
    case TipAnswer::Callback:
        answer->lpszText = LPSTR_TEXTCALLBACKA;
        break;
    }
    return 0;
}

LRESULT TestRichTip::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_TIMER)
        m_ticks.push_back(wParam);
    if (msg == WM_LBUTTONDOWN)
        ++m_nClicks;
    const LRESULT result = CRichTipWnd::OnMessage(msg, wParam, lParam);
    if (msg == WM_PAINT) {
        ++m_nPaints;
        ::QueryPerformanceCounter(&m_lastPaintEnd);
    }
    return result;
}

void MoveCursor(TestRichTip& tip, POINT screen)
{
    ::SetCursorPos(screen.x, screen.y);
    Relay(tip, WM_MOUSEMOVE, screen);
}

void Relay(TestRichTip& tip, UINT message, POINT screen, WPARAM wParam)
{
    MSG msg = {};
    msg.hwnd = ::WindowFromPoint(screen);
    msg.message = message;
    msg.wParam = wParam;
    msg.time = ::GetTickCount();
    msg.pt = screen;
    tip.RelayEvent(&msg);
}

void Tick(TestRichTip& tip, UINT_PTR id)
{
    ::SendMessageA(tip.m_hWnd, WM_TIMER, id, 0);
}

bool PumpUntil(const std::function<bool()>& done, DWORD limitMs)
{
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start >= limitMs)
            return done();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return true;
}

void PumpFor(DWORD ms)
{
    PumpUntil([] { return false; }, ms);
}

void PrintTo(const RECT& rect, std::ostream* os)
{
    *os << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

void PrintTo(const CRect& rect, std::ostream* os)
{
    PrintTo(static_cast<const RECT&>(rect), os);
}
