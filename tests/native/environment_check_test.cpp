// What the start-up shows for each combination of service, installer run and backup utility.
#include "maintenance/EnvironmentCheck.h"

#include <gtest/gtest.h>

namespace {
const std::string kService = " TFR isn't installed. \r\n\r\n Please order it.";
const std::string kUtility = " Please install Backup and Restore utility.";

struct Row {
    bool service, installerLaunched, utility;
    std::string warning;
    bool line;
    int height;
};

TEST(ReportEnvironment, FollowsTheTableOfFindings)
{
    const Row rows[] = {
        {true, false, true, "", false, 0},
        {true, true, true, "", false, 0},
        {true, false, false, kUtility, false, 375},
        {true, true, false, kUtility, false, 375},
        {false, false, true, kService + "\r\n", true, 355},
        {false, false, false, kService + "\n\r\n" + kUtility, true, 355},
        // An installer that ran without installing: the red line alone tells of the service.
        {false, true, true, "", true, 355},
        {false, true, false, kUtility, true, 375},
    };
    for (const Row& row : rows) {
        const EnvironmentReport report = ReportEnvironment({row.service, row.installerLaunched, row.utility}, kService);
        const std::string where = "service " + std::to_string(row.service) + ", installer " +
                                  std::to_string(row.installerLaunched) + ", utility " + std::to_string(row.utility);
        EXPECT_EQ(row.warning, report.warning) << where;
        EXPECT_EQ(row.line, report.serviceMissingLine) << where;
        EXPECT_EQ(row.height, report.listHeight) << where;
    }
}

TEST(CommonControlsSuffice, FromInternetExplorer4On)
{
    // Windows 95 and NT 4.0, Internet Explorer 3, 4.0, Windows 98, 2000, XP with a manifest.
    const struct {
        unsigned long major, minor;
        bool suffice;
    } versions[] = {{4, 0, false}, {4, 70, false}, {4, 71, true}, {4, 72, true}, {5, 0, true}, {5, 81, true},
                    {6, 0, true}, {3, 99, false}, {0, 0, false}};
    for (const auto& version : versions)
        EXPECT_EQ(version.suffice, CommonControlsSuffice(version.major, version.minor))
            << version.major << "." << version.minor;
}
} // namespace
