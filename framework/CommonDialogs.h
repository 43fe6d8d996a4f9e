// The colour and font common dialogs, run modally over the window the user is working in.
#pragma once

#include "framework/Wnd.h"

#include <commdlg.h>

// Run without an explicit parent, a common dialog is owned by the thread's active window,
// so that window waits for the answer as it would for any of its own dialogs.
class CColorDialog {
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, HWND hWndParent = nullptr);
    CColorDialog(const CColorDialog&) = delete;
    CColorDialog& operator=(const CColorDialog&) = delete;

    // IDOK or IDCANCEL; a dialog that cannot be shown answers IDCANCEL.
    INT_PTR DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }

    CHOOSECOLORA m_cc;
};

class CFontDialog {
public:
    // Screen fonts only: the program has no printer.
    explicit CFontDialog(const LOGFONTA* lplfInitial = nullptr, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                         HWND hWndParent = nullptr);
    CFontDialog(const CFontDialog&) = delete;
    CFontDialog& operator=(const CFontDialog&) = delete;

    INT_PTR DoModal();
    COLORREF GetColor() const { return m_cf.rgbColors; }
    // The font the dialog ended with.
    void GetCurrentFont(LOGFONTA* lplf) const { *lplf = m_lf; }

    CHOOSEFONTA m_cf;

private:
    LOGFONTA m_lf;
};
