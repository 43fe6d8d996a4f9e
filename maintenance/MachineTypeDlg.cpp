// The two-mode name picker: listing, automatic acceptance and the empty-name check.
#include "maintenance/MachineTypeDlg.h"

#include "framework/Gdi.h"
#include "framework/Strings.h"
#include "maintenance/FindFile.h"
#include "maintenance/NameFilter.h"
#include "res/resource.h"

CMachineTypeDlg::CMachineTypeDlg(HWND hWndParent)
    : CDialog(IDD_MACHINE_TYPE, hWndParent), m_bMachineType(TRUE)
{
}

void CMachineTypeDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMBO_NAMES, m_comboNames);
}

BOOL CMachineTypeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    std::string folder;
    if (m_bMachineType) {
        SetWindowText("Machine Type");
        ::SetDlgItemTextA(m_hWnd, IDC_STATIC_PROMPT, "Select machine type:");
        folder = LoadResString(IDS_CURRENT_FOLDER);
    } else {
        SetWindowText("Select restore name");
        ::SetDlgItemTextA(m_hWnd, IDC_STATIC_PROMPT, "Select registry file:");
        folder = LoadResString(IDS_BACKUP_FOLDER_SLASH);
    }

    // With nothing to choose between, the picker answers at once, unseen.
    if (FillNameList(folder) <= 1) {
        m_strSelection = m_comboNames.GetWindowText();
        CDialog::OnOK();
        return TRUE;
    }
    FitDroppedWidth();
    // A combo box selects its whole text when it gets the focus, and the field then shows the
    // name's end; with the caret at its start the field shows where the names differ less.
    ::SetFocus(m_comboNames);
    m_comboNames.SetEditSel((int)m_comboNames.GetWindowText().size(), 0);
    return FALSE;
}

void CMachineTypeDlg::FitDroppedWidth()
{
    CClientDC dc(m_comboNames);
    const CSelectObject font(dc, (HGDIOBJ)m_comboNames.SendMessage(WM_GETFONT));
    int widest = 0;
    for (int i = 0; i < m_comboNames.GetCount(); ++i) {
        const std::string name = m_comboNames.GetLBText(i);
        SIZE extent = {};
        if (::GetTextExtentPoint32A(dc, name.c_str(), (int)name.size(), &extent) && extent.cx > widest)
            widest = extent.cx;
    }
    // The list's border, its scroll bar and the margin a list box leaves beside each item.
    const int needed = widest + 2 * ::GetSystemMetrics(SM_CXEDGE) + ::GetSystemMetrics(SM_CXVSCROLL) + 8;
    if (needed > m_comboNames.GetDroppedWidth())
        m_comboNames.SetDroppedWidth(needed);
}

int CMachineTypeDlg::FillNameList(const std::string& folder)
{
    const char* extension = m_bMachineType ? "txt" : "reg";
    int count = 0;
    std::string newestName;
    FILETIME newest = {};
    CFindFile search;
    if (search.FindFirst(folder + "*.*")) {
        // The first entry is passed over: outside a drive root it is ".".
        while (search.FindNext()) {
            const std::string fileName = search.GetFileName();
            if (!HasExtension(fileName, extension))
                continue;
            const std::string baseName = BaseName(fileName);
            if (!IsListableBaseName(baseName))
                continue;
            m_comboNames.AddString(baseName);
            const FILETIME written = search.GetLastWriteTime();
            if (count == 0 || ::CompareFileTime(&written, &newest) > 0) {
                newest = written;
                newestName = baseName;
            }
            ++count;
        }
    }
    if (m_bMachineType)
        m_comboNames.SetCurSel(0);
    else
        // The backup written last. Its name carries the date as dd-mm-yy, and NTFS lists names
        // sorted, so neither the name nor the listing's order tells which one is the newest.
        m_comboNames.SetCurSel(m_comboNames.FindStringExact(-1, newestName));
    return count;
}

void CMachineTypeDlg::OnOK()
{
    const std::string text = m_comboNames.GetWindowText();
    if (text.empty()) {
        MessageBox(m_bMachineType ? "Choose Type  Machine !" : "Choose Name  File Name !", "Question",
                   MB_OK | MB_ICONEXCLAMATION | MB_SYSTEMMODAL);
        return;
    }
    m_strSelection = text;
    EndDialog(IDOK);
}
