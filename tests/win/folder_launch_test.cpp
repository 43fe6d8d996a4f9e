// The backup folder's creation and the shell launch with its show modes, in-process under Wine.
#include "maintenance/Folder.h"
#include "maintenance/Launch.h"
#include "registry/FcoKey.h"
#include "tests/common/Files.h"
#include "tests/win/support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace {
TEST(EnsureFolder, CreatesEveryMissingFolderWithNormalAttributesAndFindsItAgain)
{
    ScratchFolder root("ensure_folder");
    const std::string nested = root.Path() + "a\\b\\c";

    EXPECT_TRUE(EnsureFolder(nested));
    for (const std::string& folder : {root.Path() + "a", root.Path() + "a\\b", nested})
        EXPECT_EQ((DWORD)FILE_ATTRIBUTE_DIRECTORY, ::GetFileAttributesA(folder.c_str())) << folder;
    EXPECT_TRUE(EnsureFolder(nested));
}

TEST(EnsureFolder, CountsOnlyAFolderWithoutOtherAttributes)
{
    ScratchFolder root("ensure_folder");
    // Wine keeps no archive bit on folders; the system bit makes the same difference.
    const std::string marked = root.Path() + "marked";
    ASSERT_TRUE(::CreateDirectoryA(marked.c_str(), nullptr));
    ASSERT_TRUE(::SetFileAttributesA(marked.c_str(), FILE_ATTRIBUTE_SYSTEM));
    root.WriteFile("file", "in the way");

    EXPECT_FALSE(EnsureFolder(marked));
    // Only folders made here are given normal attributes.
    EXPECT_EQ((DWORD)(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM), ::GetFileAttributesA(marked.c_str()));
    EXPECT_FALSE(EnsureFolder(root.Path() + "file"));
    EXPECT_FALSE(EnsureFolder(root.Path() + "file\\below"));
    EXPECT_EQ("in the way", ReadWholeFile(root.Path() + "file"));
}

TEST(LaunchFile, StartsTheTargetWithTheShowCommandOfItsMode)
{
    ScratchFolder folder("launch_file");
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string source = std::string(self).substr(0, std::string(self).rfind('\\') + 1) + "show_command_probe.exe";
    const std::string probe = folder.Path() + "probe.exe";
    ASSERT_TRUE(::CopyFileA(source.c_str(), probe.c_str(), FALSE)) << source;
    const std::string report = probe + ".shown";

    const int expected[][2] = {{LaunchMinimized, SW_SHOWMINIMIZED}, {LaunchNormal, SW_SHOWNORMAL},
                               {LaunchMaximized, SW_SHOWMAXIMIZED}, {LaunchHidden, SW_HIDE},
                               {7, SW_HIDE}};
    for (const auto& mode : expected) {
        ::DeleteFileA(report.c_str());
        CLaunchedProcess process;
        ASSERT_TRUE(process.Launch(nullptr, probe, mode[0])) << "mode " << mode[0];
        ASSERT_TRUE(process.WaitForExit(30000)) << "mode " << mode[0];
        EXPECT_EQ(std::to_string(mode[1]), ReadWholeFile(report)) << "mode " << mode[0];
        ::DeleteFileA(report.c_str());
        // Started and forgotten: the report is awaited instead.
        ASSERT_TRUE(LaunchFile(nullptr, probe, mode[0])) << "mode " << mode[0];
        for (int waited = 0; ReadWholeFile(report).empty() && waited < 30000; waited += 50)
            ::Sleep(50);
        EXPECT_EQ(std::to_string(mode[1]), ReadWholeFile(report)) << "mode " << mode[0];
    }
}

TEST(RunBatchFile, RunsOnlyAFileHeldAsWrittenAndEndsOneStillRunningAtItsLimit)
{
    ScratchFolder folder("run_batch");
    const std::string ran = folder.Path() + "ran";
    const std::string rewritten = folder.Path() + "rewritten.bat";
    folder.WriteFile("rewritten.bat", "echo x>\"" + ran + "\"\r\n");
    CHeldBatchFile notAsWritten;
    EXPECT_FALSE(notAsWritten.HoldIfItHolds(rewritten, "rem written\r\n"));
    EXPECT_EQ(BatchNotStarted, RunBatchFile(nullptr, notAsWritten, GetOsVersion(), {10000, 0, nullptr}));
    EXPECT_EQ("", ReadWholeFile(ran));
    EXPECT_TRUE(WriteWholeFile(rewritten, "not held")) << "a refused file stays held";

    const std::string ticks = folder.Path() + "ticks";
    CHeldBatchFile endless;
    ASSERT_TRUE(endless.WriteAndHold(folder.Path() + "endless.bat", ":again\r\necho x>>\"" + ticks + "\"\r\ngoto again\r\n"));
    EXPECT_EQ(BatchTimedOut, RunBatchFile(nullptr, endless, GetOsVersion(), {1000, 0, nullptr}));
    const std::size_t ticked = ReadWholeFile(ticks).size();
    EXPECT_GT(ticked, 0u);
    ::Sleep(1000);
    EXPECT_EQ(ticked, ReadWholeFile(ticks).size()) << "the batch still runs after its limit";
}
} // namespace
