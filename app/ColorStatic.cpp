// Colours of the information line.
#include "app/ColorStatic.h"

CColorStatic::CColorStatic() : m_crText(RGB(0, 0, 0)), m_crBack(::GetSysColor(COLOR_BTNFACE))
{
    m_brBack.CreateSolidBrush(m_crBack);
}

void CColorStatic::SetTextColor(COLORREF crText)
{
    m_crText = crText;
    if (m_hWnd)
        Invalidate(TRUE);
}

HBRUSH CColorStatic::CtlColor(HDC hDC, UINT)
{
    ::SetTextColor(hDC, m_crText);
    ::SetBkColor(hDC, m_crBack);
    return m_brBack;
}
