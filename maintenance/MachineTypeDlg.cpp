// The two-mode name picker: listing, automatic acceptance and the empty-name check.
#include "maintenance/MachineTypeDlg.h"

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
    }
    return TRUE;
}

int CMachineTypeDlg::FillNameList(const std::string& folder)
{
    const char* extension = m_bMachineType ? "txt" : "reg";
    int count = 0;
    std::string lastName;
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
            lastName = baseName;
            ++count;
        }
    }
    if (m_bMachineType)
        m_comboNames.SetCurSel(0);
    else
        m_comboNames.SelectString(0, lastName);
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
