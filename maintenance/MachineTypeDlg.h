// The picker of a base name among the files of one extension in a folder:
// machine types (.txt of the working folder) or registry backups (.reg).
#pragma once

#include "framework/Controls.h"
#include "framework/Dialog.h"

#include <string>

class CMachineTypeDlg : public CDialog {
public:
    explicit CMachineTypeDlg(HWND hWndParent = nullptr);

    // Lists the base names of the mode's files in folder (ending in a backslash)
    // and selects one; returns how many were listed.
    int FillNameList(const std::string& folder);

    std::string m_strSelection;
    BOOL m_bMachineType;  // TRUE: machine types; FALSE: registry backups
    CComboBox m_comboNames;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Opens the list wide enough for its longest name, measured in the combo box's font.
    void FitDroppedWidth();
    BOOL OnInitDialog() override;
    void OnOK() override;
};
