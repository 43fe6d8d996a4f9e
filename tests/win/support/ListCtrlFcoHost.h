// A visible window that hosts a CListCtrlFco as the main dialog does, and a copy of its pixels.
#pragma once

#include "tests/common/PixelImage.h"

#include "listctrl/ListCtrlFco.h"

#include <windows.h>

#include <string>
#include <vector>

// One WM_LISTCTRLFCO_CHECKBOX_CLICKED as the parent saw it, with the list's state at that moment.
struct CheckboxClickSeen {
    WPARAM row;
    LPARAM column;
    bool rowSelected;
    int checkState;
};

// The list as child 1003 of a visible frame window: report view, single
// selection, selection always shown, no sort header, extended style 0x120. The
// frame forwards the list's custom draw and clicks to it and records the
// check-box messages it receives while this host lives.
class ListCtrlFcoHost {
public:
    static const int kListWidth = 532;
    static const int kListHeight = 380;

    // Columns get these widths, centred except columns 1 and 2 (left).
    ListCtrlFcoHost(CListCtrlFco& list, const std::vector<int>& columnWidths);
    ~ListCtrlFcoHost();
    ListCtrlFcoHost(const ListCtrlFcoHost&) = delete;
    ListCtrlFcoHost& operator=(const ListCtrlFcoHost&) = delete;

    // The frame, the list's parent.
    HWND Window() const { return m_hWnd; }
    const std::vector<CheckboxClickSeen>& CheckboxClicks() const { return m_clicks; }
    // How often the list has begun to paint itself (custom draw's pre-paint stage).
    int Paints() const { return m_paints; }
    // Destroys the list window now; the list object sees WM_DESTROY.
    void Destroy();

private:
    static HWND SharedFrame();
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    CListCtrlFco& m_list;
    HWND m_hWnd = nullptr;
    std::vector<CheckboxClickSeen> m_clicks;
    int m_paints = 0;
};
