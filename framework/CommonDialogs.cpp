// The colour and font common dialogs over ChooseColorA and ChooseFontA.
#include "framework/CommonDialogs.h"

namespace {
HWND OwnerOf(HWND hWndParent)
{
    return hWndParent ? hWndParent : ::GetActiveWindow();
}

// The colours the user mixes in the colour dialog stay offered for the rest of the run.
COLORREF g_customColors[16] = {
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
} // namespace

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, HWND hWndParent) : m_cc()
{
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.hwndOwner = hWndParent;
    m_cc.rgbResult = clrInit;
    m_cc.lpCustColors = g_customColors;
    m_cc.Flags = dwFlags | CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal()
{
    m_cc.hwndOwner = OwnerOf(m_cc.hwndOwner);
    return ::ChooseColorA(&m_cc) ? IDOK : IDCANCEL;
}

CFontDialog::CFontDialog(const LOGFONTA* lplfInitial, DWORD dwFlags, HWND hWndParent)
    : m_cf(), m_lf()
{
    m_cf.lStructSize = sizeof(m_cf);
    m_cf.hwndOwner = hWndParent;
    m_cf.lpLogFont = &m_lf;
    m_cf.Flags = dwFlags;
    if (lplfInitial) {
        m_lf = *lplfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
}

INT_PTR CFontDialog::DoModal()
{
    m_cf.hwndOwner = OwnerOf(m_cf.hwndOwner);
    return ::ChooseFontA(&m_cf) ? IDOK : IDCANCEL;
}
