// The main dialog's construction, control binding, start-up sequence and message map.
#include "app/FcoDlg.h"

#include "framework/DialogScale.h"
#include "framework/Strings.h"
#include "registry/FcoKey.h"
#include "registry/TimeStamp.h"
#include "res/resource.h"

namespace {
// The pixel numbers of the dialog are those of its template's units at 96 DPI: MS Sans Serif 8
// gives 6 x 13 pixels there. Other DPI settings give the font, and so the units, another size.
const int kUnitX96 = 6;
const int kUnitY96 = 13;
// Where the list stands from the start-up on.
const int kListLeft = 4;
const int kListTop = 48;
const int kListWidth = 532;
const int kListHeight = 380;
const int kListHeightButton1 = 375;
// The Arial labels, as high as the template's font lets them be at 96 DPI.
const int kLabelHeight = 16;
// Full-row select and flat scroll bars; the check boxes are drawn by the list itself.
const DWORD kListExtendedStyle = LVS_EX_FULLROWSELECT | LVS_EX_FLATSB;
} // namespace

CFcoDlg::CFcoDlg(HWND hWndParent) : CDialog(IDD_MAIN, hWndParent), m_szDescription{}
{
    m_hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
}

void CFcoDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STATIC_INFO, m_staticInfo);
    DDX_Control(pDX, IDC_STATIC_FCO_DATE, m_staticFcoDate);
    DDX_Control(pDX, IDC_STATIC_MACHINE, m_staticMachine);
    DDX_Control(pDX, IDOK, m_btnExit);
    DDX_Control(pDX, IDC_BUTTON_UPDATE, m_btnUpdate);
    DDX_Control(pDX, IDC_BUTTON_FCO_INFO, m_btnFcoInfo);
    DDX_Control(pDX, IDC_BUTTON_REMOVE_ALL, m_btnRemoveAll);
    DDX_Control(pDX, IDC_BUTTON_RESTORE, m_btnRestore);
    DDX_Control(pDX, IDC_BUTTON_SELECT_ALL, m_btnSelectAll);
    DDX_Control(pDX, IDC_LIST_FCO, m_listFco);
}

BOOL CFcoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    AppendAboutToSystemMenu();
    m_strTimeStamp = GetTimeStamp(m_strToday);

    PlaceList(kListHeight);
    m_listFco.SetExtendedStyle(kListExtendedStyle);

    LOGFONTA label = {};
    label.lfHeight = Scale().Y(kLabelHeight);
    label.lfWeight = FW_NORMAL;
    label.lfCharSet = ANSI_CHARSET;
    label.lfPitchAndFamily = FF_SWISS | DEFAULT_PITCH;
    lstrcpynA(label.lfFaceName, "Arial", LF_FACESIZE);
    m_fontLabel.CreateFontIndirect(&label);

    m_staticMachine.SetFont(m_fontLabel, TRUE);
    m_staticMachine.SetWindowText("Machine name:     " + m_strMachineName);
    m_staticFcoDate.SetFont(m_fontLabel, TRUE);
    m_staticInfo.SetFont(m_fontLabel, TRUE);

    UpdateData(TRUE);
    InitToolTips();

    // The list view resets extended styles while its header is created; set them again.
    m_listFco.SetExtendedStyle(kListExtendedStyle);
    m_listFco.EnableToolTips(TRUE);

    m_strFcoKey = FindFcoKey();
    InsertFcoColumns(m_listFco);
    FillFcoRows();
    FindMachinePdf();
    CheckEnvironment();
    BackupFcoKey();
    CheckInstallation();
    return TRUE;
}

INT_PTR CFcoDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SYSCOMMAND:
        if (OnSysCommand((UINT)wParam, lParam))
            return TRUE;
        break;
    case WM_PAINT:
        if (OnPaint())
            return TRUE;
        break;
    case WM_QUERYDRAGICON:
        return (INT_PTR)OnQueryDragIcon();
    case WM_SYSCOLORCHANGE:
        // Only top-level windows are told; the list's selection colours follow the system's.
        m_listFco.SendMessage(WM_SYSCOLORCHANGE, wParam, lParam);
        break;
    case WM_CTLCOLORSTATIC:
        if ((HWND)lParam == m_staticInfo.m_hWnd)
            return (INT_PTR)m_staticInfo.CtlColor((HDC)wParam, CTLCOLOR_STATIC);
        break;
    default:
        break;
    }
    return CDialog::OnMessage(msg, wParam, lParam);
}

BOOL CFcoDlg::OnCommand(int nID, int nCode, HWND hWndCtl)
{
    if (nCode != BN_CLICKED)
        return CDialog::OnCommand(nID, nCode, hWndCtl);
    switch (nID) {
    case IDC_BUTTON_SELECT_ALL:
        OnSelectAll();
        return TRUE;
    case IDC_BUTTON_REMOVE_ALL:
        OnRemoveAll();
        return TRUE;
    case IDC_BUTTON_UPDATE:
        OnUpdateRegistry();
        return TRUE;
    case IDC_BUTTON_RESTORE:
        OnRestoreRegistry();
        return TRUE;
    case IDC_BUTTON_FCO_INFO:
        OnFcoInfo();
        return TRUE;
    case IDC_BUTTON_COLOR:
        OnTipColor();
        return TRUE;
    case IDC_BUTTON_FONT:
        OnTipFont();
        return TRUE;
    case IDC_BUTTON1:
        OnButton1();
        return TRUE;
    case IDC_BUTTON2:
        OnButton2();
        return TRUE;
    default:
        return CDialog::OnCommand(nID, nCode, hWndCtl);
    }
}

BOOL CFcoDlg::OnNotify(NMHDR* pNMHDR, LRESULT* pResult)
{
    if (pNMHDR->idFrom != IDC_LIST_FCO)
        return FALSE;
    switch (pNMHDR->code) {
    case NM_CUSTOMDRAW:
        *pResult = m_listFco.OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR));
        return TRUE;
    case NM_RCLICK:
        OnRclickListFco(pNMHDR, pResult);
        return TRUE;
    case NM_CLICK:
        m_listFco.OnClick(pNMHDR, pResult);
        OnClickListFco(pNMHDR, pResult);
        return TRUE;
    case LVN_COLUMNCLICK:
        m_listFco.OnColumnClick(pNMHDR, pResult);
        *pResult = 0;
        return TRUE;
    case LVN_DELETEALLITEMS:
        *pResult = m_listFco.OnDeleteAllItems(pNMHDR);
        return TRUE;
    default:
        return FALSE;
    }
}

// "&Select All" is kept hidden and does nothing.
void CFcoDlg::OnSelectAll()
{
}

// Clears every tick; the registry changes only at the next Update Registry.
void CFcoDlg::OnRemoveAll()
{
    CListBulkUpdate bulk(m_listFco);
    for (int row = 0; row < m_listFco.GetItemCount(); ++row)
        m_listFco.SetCheckState(row, 0, 0);
}

// The hidden "Button1" gives the list its height without the information line.
void CFcoDlg::OnButton1()
{
    PlaceList(kListHeightButton1);
}

void CFcoDlg::PlaceList(int height)
{
    const CDialogScale scale = Scale();
    m_listFco.SetWindowPos(nullptr, scale.X(kListLeft), scale.Y(kListTop), scale.X(kListWidth), scale.Y(height), 0);
}

CDialogScale CFcoDlg::Scale() const
{
    return CDialogScale(m_hWnd, kUnitX96, kUnitY96);
}
