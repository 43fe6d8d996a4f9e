// What the start-up tells the engineer about the remote-support service and the backup utility.
#include "maintenance/EnvironmentCheck.h"

namespace {
const char kInstallUtilityWarning[] = " Please install Backup and Restore utility.";
// With the red line below it the list ends higher than with the utility's warning alone.
const int kListHeightAboveServiceLine = 355;
const int kListHeightWithoutUtility = 375;
} // namespace

EnvironmentReport ReportEnvironment(const EnvironmentFindings& findings, const std::string& serviceWarning)
{
    EnvironmentReport report = {std::string(), false, 0};
    std::string serviceText;
    if (!findings.servicePresent) {
        if (!findings.installerLaunched) {
            serviceText = serviceWarning;
            report.warning = serviceText + "\r\n";
        }
        report.serviceMissingLine = true;
        report.listHeight = kListHeightAboveServiceLine;
    }
    if (!findings.utilityPresent) {
        if (serviceText.empty()) {
            report.warning = kInstallUtilityWarning;
            report.listHeight = kListHeightWithoutUtility;
        } else {
            report.warning = serviceText + "\n\r\n" + kInstallUtilityWarning;
        }
    }
    return report;
}

bool CommonControlsSuffice(unsigned long major, unsigned long minor)
{
    return major > 4 || (major == 4 && minor >= 71);
}
