// The test host of the FCO list and the pixel copy its drawing tests read.
#include "tests/win/support/ListCtrlFcoHost.h"

namespace {
const char kHostClass[] = "MendwrightListCtrlFcoHost";
const int kListId = 1003;
// Where the host stands on the screen; nothing else is shown there.
const int kHostLeft = 40;
const int kHostTop = 40;
} // namespace

// One frame serves every test: a managed top-level window takes Wine two seconds
// to destroy without a window manager, a child list none.
HWND ListCtrlFcoHost::SharedFrame()
{
    static HWND frame = nullptr;
    if (frame && ::IsWindow(frame))
        return frame;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = kHostClass;
    ::RegisterClassA(&wc);
    RECT outer = {0, 0, kListWidth + 8, kListHeight + 8};
    ::AdjustWindowRectEx(&outer, WS_POPUP | WS_BORDER, FALSE, 0);
    frame = ::CreateWindowExA(0, kHostClass, "List host", WS_POPUP | WS_BORDER | WS_CLIPCHILDREN, kHostLeft,
                              kHostTop, outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                              ::GetModuleHandleA(nullptr), nullptr);
    ::ShowWindow(frame, SW_SHOW);
    ::SetForegroundWindow(frame);
    return frame;
}

ListCtrlFcoHost::ListCtrlFcoHost(CListCtrlFco& list, const std::vector<int>& columnWidths)
    : m_list(list), m_hWnd(SharedFrame())
{
    if (!m_hWnd)
        return;
    ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, (LONG_PTR)this);

    const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                        LVS_SHOWSELALWAYS | LVS_NOLABELWRAP | LVS_AUTOARRANGE | LVS_NOSORTHEADER;
    HWND hList = ::CreateWindowExA(0, WC_LISTVIEWA, "", style, 4, 4, kListWidth, kListHeight, m_hWnd,
                                   (HMENU)(INT_PTR)kListId, ::GetModuleHandleA(nullptr), nullptr);
    m_list.SubclassWindow(hList);
    m_list.SetFont((HFONT)::GetStockObject(DEFAULT_GUI_FONT));
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_FLATSB);
    for (size_t i = 0; i < columnWidths.size(); ++i) {
        const int format = (i == 1 || i == 2) ? LVCFMT_LEFT : LVCFMT_CENTER;
        m_list.InsertColumn((int)i, "Column", format, columnWidths[i], (int)i);
    }
    ::SetFocus(m_hWnd);
    ::UpdateWindow(m_hWnd);
}

ListCtrlFcoHost::~ListCtrlFcoHost()
{
    Destroy();
    if (m_hWnd)
        ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
}

void ListCtrlFcoHost::Destroy()
{
    if (m_list.m_hWnd)
        ::DestroyWindow(m_list.m_hWnd);
}

LRESULT CALLBACK ListCtrlFcoHost::WindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<ListCtrlFcoHost*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    return self ? self->OnMessage(msg, wParam, lParam) : ::DefWindowProcA(hWnd, msg, wParam, lParam);
}

// The main dialog's explicit reflection, with the window procedure's own return value.
LRESULT ListCtrlFcoHost::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NOTIFY) {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->idFrom == kListId) {
            LRESULT result = 0;
            switch (header->code) {
            case NM_CUSTOMDRAW:
                if (reinterpret_cast<NMCUSTOMDRAW*>(header)->dwDrawStage == CDDS_PREPAINT)
                    ++m_paints;
                return m_list.OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(header));
            case LVN_DELETEALLITEMS:
                return m_list.OnDeleteAllItems(header);
            case NM_CLICK:
                m_list.OnClick(header, &result);
                return result;
            default:
                break;
            }
        }
    } else if (msg == WM_LISTCTRLFCO_CHECKBOX_CLICKED) {
        const int row = (int)wParam;
        const bool selected = (m_list.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
        m_clicks.push_back({wParam, lParam, selected, m_list.GetCheckState(row, (int)lParam)});
        return 0;
    }
    return ::DefWindowProcA(m_hWnd, msg, wParam, lParam);
}
