// Start-up: the machine type picker, then the main dialog until the engineer leaves.
#include "app/FcoApp.h"

#include "app/FcoDlg.h"
#include "app/WarningBox.h"
#include "framework/ComApartment.h"
#include "framework/CommonControls.h"
#include "framework/Strings.h"
#include "maintenance/EnvironmentCheck.h"
#include "maintenance/Launch.h"
#include "maintenance/MachineTypeDlg.h"
#include "maintenance/SingleRun.h"
#include "registry/FcoKey.h"

#include <commctrl.h>

namespace {
// A run started at the same moment may not show its first window for a while.
const DWORD kRunningWindowWaitMs = 10000;
const DWORD kRunningWindowPollMs = 250;

// The running Mendwright's window: its main dialog, or the picker it is still asking with. FALSE
// when there is none.
BOOL BringRunningMendwrightForward()
{
    for (const char* caption : {"Mendwright - Version 1.10", "Machine Type", "Select restore name"}) {
        const HWND window = ::FindWindowA("#32770", caption);
        if (!window)
            continue;
        if (::IsIconic(window))
            ::ShowWindow(window, SW_RESTORE);
        ::SetForegroundWindow(window);
        return TRUE;
    }
    return FALSE;
}

// Any program may make the name first; then no start may end without a word.
void GiveWayToTheRunningMendwright()
{
    for (DWORD waited = 0; waited < kRunningWindowWaitMs; waited += kRunningWindowPollMs) {
        if (BringRunningMendwrightForward())
            return;
        WaitAnsweringMessages(nullptr, kRunningWindowPollMs);
    }
    ::MessageBoxA(nullptr,
                  "Mendwright seems to be running already, or another program holds its name, but no Mendwright "
                  "window can be found.\r\nEnd the other Mendwright or restart Windows, then start Mendwright "
                  "again.",
                  kWarningCaption, kWarningStyle);
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
        GiveWayToTheRunningMendwright();
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
