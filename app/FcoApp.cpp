// Start-up: the machine type picker, then the main dialog until the engineer leaves.
#include "app/FcoApp.h"

#include "app/FcoDlg.h"
#include "framework/Strings.h"
#include "maintenance/MachineTypeDlg.h"

#include <commctrl.h>

BOOL CFcoApp::InitInstance()
{
    // The list view and the other common controls must be registered before the first
    // dialog template that names them is created. InitCommonControls, unlike its Ex
    // successor, is there on a Windows 95 without a later common-controls update.
    ::InitCommonControls();

    CMachineTypeDlg machineTypeDlg(nullptr);
    machineTypeDlg.m_bMachineType = TRUE;
    if (machineTypeDlg.DoModal() != IDOK)
        return FALSE;

    CFcoDlg dlg(nullptr);
    dlg.m_strMachineName = FormatString("%s", machineTypeDlg.m_strSelection.c_str());
    dlg.DoModal();
    return FALSE;
}
