// The main dialog's system menu with its About entry, and its icon when minimised or dragged.
#include "app/AboutDlg.h"
#include "app/FcoDlg.h"

#include "framework/Gdi.h"
#include "framework/Strings.h"
#include "res/resource.h"

// Called at start-up. Without a text for the entry neither it nor its separator is added.
void CFcoDlg::AppendAboutToSystemMenu()
{
    const HMENU hSysMenu = ::GetSystemMenu(m_hWnd, FALSE);
    if (!hSysMenu)
        return;
    const std::string about = LoadResString(IDS_ABOUTBOX);
    if (about.empty())
        return;
    ::AppendMenuA(hSysMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(hSysMenu, MF_STRING, IDM_ABOUTBOX, about.c_str());
}

// Called for WM_SYSCOMMAND; FALSE leaves the command to the default handling. The system keeps
// the low four bits of a command for itself, so they do not take part in the comparison.
BOOL CFcoDlg::OnSysCommand(UINT nID, LPARAM)
{
    if ((nID & 0xFFF0) != IDM_ABOUTBOX)
        return FALSE;
    CAboutDlg about(m_hWnd);
    about.DoModal();
    return TRUE;
}

// Called for WM_PAINT; FALSE leaves painting to the dialog manager. A minimised dialog shows its
// icon, centred in what is left of the client area.
BOOL CFcoDlg::OnPaint()
{
    if (!IsIconic())
        return FALSE;
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, (WPARAM)(HDC)dc, 0);
    const int cxIcon = ::GetSystemMetrics(SM_CXICON);
    const int cyIcon = ::GetSystemMetrics(SM_CYICON);
    const CRect client = GetClientRect();
    const int x = (client.Width() - cxIcon + 1) / 2;
    const int y = (client.Height() - cyIcon + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
    return TRUE;
}

// The cursor shown while the minimised dialog is dragged.
HCURSOR CFcoDlg::OnQueryDragIcon()
{
    return (HCURSOR)m_hIcon;
}
