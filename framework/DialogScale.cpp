// Pixel numbers written for a dialog's units at 96 DPI, grown or shrunk to its units now.
#include "framework/DialogScale.h"

CDialogScale::CDialogScale(HWND hDlg, int refX, int refY)
    : m_refX(refX), m_refY(refY), m_unitX(refX), m_unitY(refY)
{
    // Four horizontal and eight vertical dialog units are one average character of the dialog's
    // font: the units in pixels, as the dialog manager itself rounds them.
    RECT units = {0, 0, 4, 8};
    if (hDlg && ::MapDialogRect(hDlg, &units) && units.right > 0 && units.bottom > 0) {
        m_unitX = units.right;
        m_unitY = units.bottom;
    }
}
