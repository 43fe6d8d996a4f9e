// Start-up: the machine type picker, then the main dialog until the engineer leaves.
#include "app/FcoApp.h"

#include "app/FcoDlg.h"
#include "app/WarningBox.h"
#include "framework/ComApartment.h"
#include "framework/CommonControls.h"
#include "framework/Strings.h"
#include "maintenance/EnvironmentCheck.h"
#include "maintenance/MachineTypeDlg.h"
#include "maintenance/SingleRun.h"
#include "registry/FcoKey.h"

#include <commctrl.h>

namespace {
// The running Mendwright's window: its main dialog, or the picker it is still asking with.
void BringRunningMendwrightForward()
{
    for (const char* caption : {"Mendwright - Version 1.10", "Machine Type", "Select restore name"}) {
        const HWND window = ::FindWindowA("#32770", caption);
        if (!window)
            continue;
        if (::IsIconic(window))
            ::ShowWindow(window, SW_RESTORE);
        ::SetForegroundWindow(window);
        return;
    }
}
} // namespace

BOOL CFcoApp::InitInstance()
{
    // The list view and the other common controls must be registered before the first
    // dialog template that names them is created. InitCommonControls, unlike its Ex
    // successor, is there on a Windows 95 without a later common-controls update.
    ::InitCommonControls();

    // Before anything touches the registry or the disk: with older common controls the list
    // would show no tick, and Update Registry would write ticks nobody saw.
    DWORD major = 0;
    DWORD minor = 0;
    if (!GetCommonControlsVersion(major, minor) || !CommonControlsSuffice(major, minor)) {
        ::MessageBoxA(nullptr,
                      "Mendwright needs the common controls of Internet Explorer 4.0 or later (comctl32.dll 4.71 "
                      "or later).\r\nInstall Internet Explorer 4.0 or later on this machine, then start "
                      "Mendwright again.",
                      kWarningCaption, kWarningStyle);
        return FALSE;
    }
    const CComApartment com;

    // Before the first look at the registry: a second run brings the first one forward instead.
    CSingleRun run;
    if (!run.Claim(GetOsVersion())) {
        BringRunningMendwrightForward();
        return FALSE;
    }

    CMachineTypeDlg machineTypeDlg(nullptr);
    machineTypeDlg.m_bMachineType = TRUE;
    if (machineTypeDlg.DoModal() != IDOK)
        return FALSE;

    CFcoDlg dlg(nullptr);
    dlg.m_strMachineName = FormatString("%s", machineTypeDlg.m_strSelection.c_str());
    dlg.DoModal();
    return FALSE;
}
