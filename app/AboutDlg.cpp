// The About box the main dialog's system menu opens: its template says everything it shows.
#include "app/AboutDlg.h"

#include "res/resource.h"

CAboutDlg::CAboutDlg(HWND hWndParent) : CDialog(IDD_ABOUTBOX, hWndParent)
{
}
