// What the start-up tells the engineer about the remote-support service and the backup utility.
#pragma once

#include <string>

// What the start-up found, after any run of the service's installer.
struct EnvironmentFindings {
    bool servicePresent;
    bool installerLaunched;
    bool utilityPresent;
};

// What the dialog shows for those findings.
struct EnvironmentReport {
    // Text of the one warning box; empty: no box.
    std::string warning;
    // The red "not installed" information line.
    bool serviceMissingLine;
    // Height of the FCO list in pixels at 96 DPI, shortened for what is said below it; 0 leaves
    // the list as the start-up placed it.
    int listHeight;
};

// serviceWarning is the text for a missing service. After an installer run that did not install
// the service it is left out of the box: the engineer has just watched the installer, and the red
// line says the rest.
EnvironmentReport ReportEnvironment(const EnvironmentFindings& findings, const std::string& serviceWarning);

// The list draws its check boxes at the sub-item stage of custom draw and the dialog asks it for
// its selection mark: both need the common controls of Internet Explorer 4.0, comctl32.dll 4.71.
// An older library draws no box, and a click toggles a state nobody sees.
bool CommonControlsSuffice(unsigned long major, unsigned long minor);
