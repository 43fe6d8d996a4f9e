// The FCO catalogue at start-up: rows from the description file, ticks and dates from the registry.
#include "tests/e2e/scenarios/Scenario.h"

#include "tests/e2e/driver/Mouse.h"
#include "tests/e2e/driver/Text.h"
#include "tests/e2e/driver/Ticks.h"
#include "res/resource.h"

#include <gmock/gmock.h>

#include <cstdlib>
#include <memory>

using ::testing::AnyOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace e2e {
namespace {

const char* const kPressCatalogue =
    "15/07/06\n"
    "456@Imaging head@New firmware for the head\n"
    "457@Loader@Replaces the loader belt\n"
    "@---\n"
    "END;\n"
    "458@Stacker@Listed after the end\n";

class FcoCatalogue : public Scenario {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(Scenario::SetUp());
        // As an installer leaves it: a prefixed name with a remark, and an FCO of another catalogue.
        ASSERT_TRUE(machine.SetFcoValue("FCO456 remote support", "15/07/06 by engineer"));
        ASSERT_TRUE(machine.SetFcoValue("999", "01/01/06"));
    }

    void StartWithCatalogue(const char* catalogue)
    {
        folder = std::make_unique<ScratchFolder>(ScratchName(),
                                                 std::vector<ScratchFile>{{"press.txt", catalogue}});
        ASSERT_TRUE(folder->Ready());
        app = std::make_unique<MendwrightProcess>(*folder);
        ASSERT_TRUE(app->Started()) << app->StartError();
        main = app->WaitForMainDialog();
        ASSERT_TRUE(main) << app->DescribeWindows();
    }

    // Declared in this order so the program ends before its folder is removed.
    std::unique_ptr<ScratchFolder> folder;
    std::unique_ptr<MendwrightProcess> app;
    Window main;
};

TEST_F(FcoCatalogue, ListsTheFileFcosInFileOrderWithRegistryDates)
{
    ASSERT_NO_FATAL_FAILURE(StartWithCatalogue(kPressCatalogue));

    EXPECT_EQ("FCO Date: 15/07/06", main.Child(IDC_STATIC_FCO_DATE).Text());
    const ListViewReader list = app->ReadList(main.Child(IDC_LIST_FCO));
    ASSERT_EQ(2, list.RowCount());
    EXPECT_THAT(list.RowTexts(0),
                ElementsAre("", "456", "Imaging head", "15/07/06", "New firmware for the head"));
    EXPECT_THAT(list.RowTexts(1), ElementsAre("", "457", "Loader", "", "Replaces the loader belt"));
}

TEST_F(FcoCatalogue, TicksTheInstalledFcoInItsStatusCell)
{
    ASSERT_NO_FATAL_FAILURE(StartWithCatalogue(kPressCatalogue));
    const ListViewReader list = app->ReadList(main.Child(IDC_LIST_FCO));
    ASSERT_EQ(2, list.RowCount());
    std::string pictures;
    EXPECT_TRUE(ShowsTickOnlyIn(list, 0, 1, &pictures)) << pictures;
}

TEST_F(FcoCatalogue, RewritesTheFcoKeyInNormalFormAndReportsWhatItRead)
{
    ASSERT_NO_FATAL_FAILURE(StartWithCatalogue(kPressCatalogue));

    // The close box ends the program without the exit reminder; its output is complete after that.
    ASSERT_TRUE(main.Close());
    ASSERT_TRUE(app->WaitForExit()) << app->DescribeWindows();

    EXPECT_EQ((RegistryValues{{"456", "15/07/06"}, {"999", "01/01/06"}}), machine.FcoValues());
    // The enumeration order is the system's: creation order on Windows, by name under Wine.
    EXPECT_THAT(WithBareLineFeeds(app->StandardOutput()),
                AnyOf(HasSubstr("\nNumber of values: 2\n(1) 999\n(2) FCO456 remote support\n"),
                      HasSubstr("\nNumber of values: 2\n(1) FCO456 remote support\n(2) 999\n")));
}

TEST_F(FcoCatalogue, WithoutItsDescriptionFileTheListStaysEmpty)
{
    // Two files, so that the picker asks and the engineer can type a type that has no file.
    folder = std::make_unique<ScratchFolder>(
        ScratchName(), std::vector<ScratchFile>{{"a.txt", kPressCatalogue}, {"b.txt", kPressCatalogue}});
    ASSERT_TRUE(folder->Ready());
    app = std::make_unique<MendwrightProcess>(*folder);
    ASSERT_TRUE(app->Started()) << app->StartError();
    const Window picker = app->WaitForPicker();
    ASSERT_TRUE(picker) << app->DescribeWindows();

    ASSERT_TRUE(picker.Child(IDC_COMBO_NAMES).SetText("ghost"));
    ASSERT_TRUE(picker.Click(IDOK));

    main = app->WaitForMainDialog();
    ASSERT_TRUE(main) << app->DescribeWindows();
    EXPECT_EQ(std::string(kMachineLabel) + "ghost", main.Child(IDC_STATIC_MACHINE).Text());
    EXPECT_EQ("Static", main.Child(IDC_STATIC_FCO_DATE).Text());
    EXPECT_EQ(0, app->ReadList(main.Child(IDC_LIST_FCO)).RowCount());
}

// Under a double-byte system code page. Wine takes a program's code page from its LANG, and the
// program inherits this driver's: the test command runs these in e2e_code_page_932, which sets
// LANG and names the code page in MENDWRIGHT_CODE_PAGE.
class DoubleByteCodePage : public FcoCatalogue {
protected:
    void SetUp() override
    {
        const char* codePage = std::getenv("MENDWRIGHT_CODE_PAGE");
        if (!codePage)
            GTEST_SKIP() << "needs a double-byte code page: the test command's e2e_code_page_932";
        ASSERT_EQ(static_cast<UINT>(std::atoi(codePage)), ::GetACP())
            << "Wine gave another code page: is the locale of LANG made (tools/setup.sh)?";
        // Off the dialog, so the program starts with no tool under the pointer.
        ASSERT_TRUE(MoveMouse(POINT{0, 0}));
        ASSERT_NO_FATAL_FAILURE(FcoCatalogue::SetUp());
    }
};

TEST_F(DoubleByteCodePage, KeepsCharactersWholeInTheRowsAndInTheDescriptionTip)
{
    // In code page 932 0x89 0x40 is one character, its second byte '@'. The second description's
    // 4,999th byte is the first of such a character.
    const std::string in = "\x89\x40";
    const std::string cut(4998, 'w');
    const std::string catalogue = "15/07/06\n456@Head " + in + "@Firmware 2.4 for the head\n457@Loader@" + cut + in +
                                  "w\nEND;\n";
    ASSERT_NO_FATAL_FAILURE(StartWithCatalogue(catalogue.c_str()));
    const ListViewReader list = app->ReadList(main.Child(IDC_LIST_FCO));
    ASSERT_EQ(2, list.RowCount());
    EXPECT_THAT(list.RowTexts(0), ElementsAre("", "456", "Head " + in, "15/07/06", "Firmware 2.4 for the head"));

    const Window tip = app->FindTopLevel([&](const Window& window) {
        return window.Owner() == main && window.ClassName().rfind("Mendwright:", 0) == 0;
    });
    Click(CentreOf(list.CellRectOnScreen(1, 2)), MouseButton::Right);
    EXPECT_TRUE(WaitUntil([&] { return tip.IsVisible(); }, 5000)) << app->DescribeWindows();
    EXPECT_EQ("Description: " + cut, tip.Text());
}

} // namespace
} // namespace e2e
