// What the start-up copies into the install folder: everything at the first start, a later program,
// a later description file; nothing older and nothing the same.
#include "tests/e2e/scenarios/Scenario.h"

#include "tests/common/Files.h"
#include "tests/e2e/driver/Standins.h"
#include "tests/e2e/driver/WindowsVersion.h"
#include "res/resource.h"

#include <memory>
#include <string>

namespace e2e {
namespace {

const char kCopyBatchFile[] = "C:\\FCObackup\\FCOCOPY.bat";

class SelfInstall : public Scenario {
protected:
    // Starts the program in the folder; fromCopy: from a copy of itself there, as an engineer starts
    // it from a medium, else from the build folder.
    void StartIn(const ScratchFolder& folder, bool fromCopy = true)
    {
        ASSERT_TRUE(folder.Ready());
        std::string exe = MendwrightExePath();
        if (fromCopy) {
            ASSERT_TRUE(::CopyFileA(exe.c_str(), folder.PathOf("Mendwright.exe").c_str(), FALSE));
            exe = folder.PathOf("Mendwright.exe");
        }
        app = std::make_unique<MendwrightProcess>(folder, exe);
        ASSERT_TRUE(app->Started()) << app->StartError();
        main = app->WaitForMainDialog();
        ASSERT_TRUE(main) << app->DescribeWindows();
    }

    void TearDown() override
    {
        if (main) {
            main.Close();
            app->WaitForExit();
        }
    }

    std::unique_ptr<MendwrightProcess> app;
    Window main;
};

struct FreshInstallRow {
    const char* name;
    const char* windows;  // Wine's version name; empty: Wine's own
    // Started from elsewhere, the program is not in its working folder and so never gets installed:
    // every start copies the folder again, over the files of the last time.
    bool startedFromCopy;
};

class FreshInstall : public SelfInstall, public ::testing::WithParamInterface<FreshInstallRow> {};

TEST_P(FreshInstall, CopiesEveryFileOfTheStartFolderWithoutAsking)
{
    const FreshInstallRow& row = GetParam();
    std::unique_ptr<WindowsVersionOverride> version;
    if (*row.windows)
        version = std::make_unique<WindowsVersionOverride>(std::vector<std::string>{"Mendwright.exe"}, row.windows);
    ASSERT_TRUE(!version || version->Ready());
    ASSERT_TRUE(RemoveTree(kInstalledProgram));
    if (row.startedFromCopy) {
        ASSERT_TRUE(RemoveTree(kInstallFolder));
    } else {
        ASSERT_TRUE(WriteWholeFile(JoinPath(kInstallFolder, "press.txt"), "01/01/99\nEND;\n"));
    }
    // The batch file goes into the backup folder, which the start-up's backup makes.
    ASSERT_TRUE(MakeFolders(kBackupFolder));
    // A batch file would take the per cent sign of the folder's name for its own.
    const ScratchFolder folder(std::string("Start 100% ") + row.name,
                               {{"press.txt", "01/01/06\nEND;\n"}, {"notes 50%.log", "two\r\nlines\r\n"}});
    ASSERT_NO_FATAL_FAILURE(StartIn(folder, row.startedFromCopy));

    std::string source = folder.Path();
    source.replace(source.find('%'), 1, "%%");
    EXPECT_EQ("xcopy  \"" + source + "\\*.*\"  C:\\Quarra\\Util\\Mendwright\\  /Y /I", ReadWholeFile(kCopyBatchFile));
    const auto copied = [&] {
        for (const std::string& name : folder.FileNames())
            if (ReadWholeFile(JoinPath(kInstallFolder, name)) != ReadWholeFile(folder.PathOf(name)))
                return false;
        return true;
    };
    EXPECT_TRUE(WaitUntil(copied)) << "not every file of the start folder reached the install folder";
    EXPECT_EQ(folder.FileNames(), ListFolder(kInstallFolder));
}

INSTANTIATE_TEST_SUITE_P(Rows, FreshInstall,
                         ::testing::Values(FreshInstallRow{"FirstStart", "", true},
                                           FreshInstallRow{"FirstStartOnWindows95", "win95", true},
                                           FreshInstallRow{"EveryStartFromElsewhere", "", false}),
                         [](const ::testing::TestParamInfo<FreshInstallRow>& info) {
                             return std::string(info.param.name);
                         });

struct InstalledProgramRow {
    const char* name;
    const char* standin;
    bool replaced;
};

class InstalledProgram : public SelfInstall, public ::testing::WithParamInterface<InstalledProgramRow> {};

// Mendwright.exe is 1, 10, 0, 0. Summing the fields weighted by 1000, 100, 10 and 1 would take
// 1, 9, 20, 0 for the later one (2100 against 2000).
TEST_P(InstalledProgram, IsReplacedOnlyByALaterVersion)
{
    const InstalledProgramRow& row = GetParam();
    ASSERT_TRUE(PlaceStandin(row.standin, kInstalledProgram));
    const std::string before = ReadWholeFile(kInstalledProgram);
    const ScratchFolder folder(ScratchName(), {{"press.txt", "01/01/06\nEND;\n"}});
    ASSERT_NO_FATAL_FAILURE(StartIn(folder));

    EXPECT_EQ(row.replaced ? ReadWholeFile(folder.PathOf("Mendwright.exe")) : before, ReadWholeFile(kInstalledProgram));
}

INSTANTIATE_TEST_SUITE_P(Rows, InstalledProgram,
                         ::testing::Values(InstalledProgramRow{"Older", "standin_version_older.exe", true},
                                           InstalledProgramRow{"Same", "standin_version_same.exe", false},
                                           InstalledProgramRow{"Newer", "standin_version_newer.exe", false}),
                         [](const ::testing::TestParamInfo<InstalledProgramRow>& info) {
                             return std::string(info.param.name);
                         });

// The hidden button runs the program's copy alone, as the start-up's last step does.
TEST_F(SelfInstall, TheHiddenButtonReplacesAnOlderInstalledProgram)
{
    ASSERT_TRUE(PlaceStandin("standin_version_same.exe", kInstalledProgram));
    const ScratchFolder folder(ScratchName(), {{"press.txt", "01/01/06\nEND;\n"}});
    ASSERT_NO_FATAL_FAILURE(StartIn(folder));
    ASSERT_TRUE(PlaceStandin("standin_version_older.exe", kInstalledProgram));
    const std::string older = ReadWholeFile(kInstalledProgram);

    ASSERT_TRUE(main.Click(IDC_BUTTON2));
    const std::string ours = ReadWholeFile(folder.PathOf("Mendwright.exe"));
    EXPECT_TRUE(WaitUntil([&] { return ReadWholeFile(kInstalledProgram) == ours; }));
    EXPECT_NE(older, ours);
}

struct DescriptionRow {
    const char* name;
    const char* local;
    const char* installed;  // null: none installed
    bool readOnly;
    bool replaced;
};

class InstalledDescription : public Scenario, public ::testing::WithParamInterface<DescriptionRow> {};

TEST_P(InstalledDescription, IsReplacedByALaterOrMissingOne)
{
    const DescriptionRow& row = GetParam();
    const std::string installed = JoinPath(kInstallFolder, "press.txt");
    if (row.installed) {
        ASSERT_TRUE(WriteWholeFile(installed, row.installed));
        if (row.readOnly) {
            ASSERT_TRUE(::SetFileAttributesA(installed.c_str(), FILE_ATTRIBUTE_READONLY));
        }
    }
    ScratchFolder folder(ScratchName(), {{"press.txt", row.local}});
    ASSERT_TRUE(folder.Ready());
    MendwrightProcess app(folder);
    ASSERT_TRUE(app.Started()) << app.StartError();
    const Window main = app.WaitForMainDialog();
    ASSERT_TRUE(main) << app.DescribeWindows();

    EXPECT_EQ(row.replaced ? row.local : row.installed, ReadWholeFile(installed));
    // Windows refuses to copy over a read-only file; Wine, run by root, copies and keeps the file read-only.
    EXPECT_EQ(row.readOnly && !row.replaced, (::GetFileAttributesA(installed.c_str()) & FILE_ATTRIBUTE_READONLY) != 0);
    ::SetFileAttributesA(installed.c_str(), FILE_ATTRIBUTE_NORMAL);
    main.Close();
    app.WaitForExit();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, InstalledDescription,
    ::testing::Values(DescriptionRow{"LaterReplacesReadOnly", "01/01/07@new\nEND;\n", "31/12/06@old\nEND;\n", true, true},
                      DescriptionRow{"SameDateCopiesNothing", "  14/03/06@new\nEND;\n", "14/03/06@old\nEND;\n", false, false},
                      DescriptionRow{"MissingIsCopied", "14/03/06@new\nEND;\n", nullptr, false, true}),
    [](const ::testing::TestParamInfo<DescriptionRow>& info) { return std::string(info.param.name); });

} // namespace
} // namespace e2e
