// The information line: a static control whose text colour can be changed.
#pragma once

#include "framework/Controls.h"
#include "framework/Gdi.h"

class CColorStatic : public CStatic {
public:
    CColorStatic();

    void SetTextColor(COLORREF crText);
    // The dialog hands the control's WM_CTLCOLORSTATIC here; the brush paints its background.
    HBRUSH CtlColor(HDC hDC, UINT nCtlColor);

    COLORREF m_crText;
    COLORREF m_crBack;
    CBrush m_brBack;
};
