// Pixel numbers written for a dialog's units at 96 DPI, grown or shrunk to its units now.
#pragma once

#include <windows.h>

class CDialogScale {
public:
    // The units of hDlg now over refX x refY, the pixels of its units where the numbers were
    // written. Without a dialog to ask, the numbers stay as written.
    CDialogScale(HWND hDlg, int refX, int refY);

    int X(int pixels) const { return ::MulDiv(pixels, m_unitX, m_refX); }
    int Y(int pixels) const { return ::MulDiv(pixels, m_unitY, m_refY); }

private:
    int m_refX;
    int m_refY;
    int m_unitX;
    int m_unitY;
};
