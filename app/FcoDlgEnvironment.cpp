// The outside programs the engineer needs: the remote-support service at start-up, the backup
// utility at start-up and on leaving.
#include "app/FcoDlg.h"
#include "app/WarningBox.h"

#include "framework/Strings.h"
#include "framework/WaitCursor.h"
#include "maintenance/EnvironmentCheck.h"
#include "maintenance/FileHelpers.h"
#include "maintenance/Launch.h"
#include "res/resource.h"

namespace {
const UINT kQuestionStyle = MB_OKCANCEL | MB_ICONINFORMATION | MB_SYSTEMMODAL;
// The installer's first screen takes a while to come up; after that its window tells when it is done.
const DWORD kInstallerStartMs = 10000;
const DWORD kInstallerPollMs = 3000;

// Runs the service's installer and waits for as long as its window is open: an installation may
// legitimately take long, and giving up early would report a service that is being installed.
void RunServiceInstaller(HWND hWndOwner, const std::string& installer)
{
    ::MessageBoxA(hWndOwner, "Installing Velmora Farreach", "Note !!!", kWarningStyle);
    CWaitCursor wait;
    ::LaunchFile(hWndOwner, installer, LaunchNormal);
    WaitAnsweringMessages(nullptr, kInstallerStartMs);
    while (::FindWindowA(nullptr, "Velmora Farreach Setup"))
        WaitAnsweringMessages(nullptr, kInstallerPollMs);
}
} // namespace

// Start-up step: the remote-support service (installed here when its installer lies beside the
// program) and the backup utility. What is missing is said once, in one box.
void CFcoDlg::CheckEnvironment()
{
    m_staticInfo.SetWindowText("");
    m_staticInfo.ShowWindow(SW_HIDE);

    const std::string service = LoadResString(IDS_TFR_SERVICE);
    const std::string installer = LoadResString(IDS_TFR_INSTALLER);
    EnvironmentFindings findings = {FileExists(service) != FALSE, false, false};
    if (!findings.servicePresent && FileExists(installer)) {
        RunServiceInstaller(m_hWnd, installer);
        findings.installerLaunched = true;
        findings.servicePresent = FileExists(service) != FALSE;
    }
    findings.utilityPresent = FileExists(LoadResString(IDS_BACKUP_UTILITY)) != FALSE;

    const EnvironmentReport report = ReportEnvironment(findings, LoadResString(IDS_TFR_NOT_INSTALLED_WARNING));
    if (report.serviceMissingLine) {
        m_staticInfo.SetWindowText(LoadResString(IDS_TFR_NOT_INSTALLED_LINE));
        m_staticInfo.SetTextColor(RGB(255, 0, 0));
        m_staticInfo.ShowWindow(SW_SHOW);
    }
    if (report.listHeight != 0) {
        // Only the height changes: the list keeps its place and width.
        PlaceList(report.listHeight);
    }
    if (!report.warning.empty())
        MessageBox(report.warning, kWarningCaption, kWarningStyle);
}

// The Exit button: a reminder to back the registry up, with the utility one click away. Escape and
// the close box leave without it.
void CFcoDlg::OnOK()
{
    const std::string utility = LoadResString(IDS_BACKUP_UTILITY_AT_EXIT);
    if (FileExists(utility)) {
        if (MessageBox(LoadResString(IDS_BACKUP_REMINDER), kWarningCaption, kQuestionStyle) == IDOK)
            LaunchFile(utility, LaunchNormal);
    } else {
        MessageBox(LoadResString(IDS_BACKUP_REMINDER_NO_UTILITY), kWarningCaption, kWarningStyle);
    }
    CDialog::OnOK();
}
