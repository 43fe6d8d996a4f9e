// The main dialog as it stands after the start-up: caption, machine label, list place and columns.
#include "tests/e2e/scenarios/Scenario.h"

#include "res/resource.h"
#include "tests/common/Files.h"
#include "tests/e2e/driver/LargeFonts.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace e2e {
namespace {

class MainDialog : public Scenario {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(Scenario::SetUp());
        ASSERT_TRUE(!largeFonts || largeFonts->Ready());
        ASSERT_TRUE(folder.Ready());
        app = std::make_unique<MendwrightProcess>(folder);
        ASSERT_TRUE(app->Started()) << app->StartError();
        main = app->WaitForMainDialog();
        ASSERT_TRUE(main) << app->DescribeWindows();
    }

    // Declared in this order so the program ends before the prefix goes back to 96 DPI.
    std::unique_ptr<LargeFonts> largeFonts;
    ScratchFolder folder{ScratchName(), {{"press.txt", "01/01/06\nEND;\n"}}};
    std::unique_ptr<MendwrightProcess> app;
    Window main;
};

TEST_F(MainDialog, CarriesTheVersionCaptionAndTheMachineName)
{
    EXPECT_EQ(kMainDialogCaption, main.Text());
    EXPECT_EQ(std::string(kMachineLabel) + "press", main.Child(IDC_STATIC_MACHINE).Text());
}

// At 96 DPI and at Windows' large fonts (120 DPI), where the dialog's units grow from 6 x 13
// pixels to 8 x 16.
struct DialogPlace {
    const char* name;
    bool largeFonts;
    int clientHeight;
    int infoTop;
    RECT list;
    std::vector<int> columnWidths;
};

class MainDialogPlace : public MainDialog, public ::testing::WithParamInterface<DialogPlace> {
protected:
    void SetUp() override
    {
        if (GetParam().largeFonts)
            largeFonts = std::make_unique<LargeFonts>();
        MainDialog::SetUp();
    }
};

TEST_P(MainDialogPlace, PlacesTheListByTheDialogUnitsAndSplitsItsWidthIntoTheFiveColumns)
{
    const DialogPlace& row = GetParam();
    // The template's dialog units as Windows gives them (the test prefix has the template's font
    // with Windows' metrics): the information line stands where an engineer sees it.
    EXPECT_EQ(row.clientHeight, main.ClientRect().bottom);
    EXPECT_EQ(row.infoTop, main.Child(IDC_STATIC_INFO).RectInParent().top);

    const Window list = main.Child(IDC_LIST_FCO);
    const RECT place = list.RectInParent();
    EXPECT_TRUE(::EqualRect(&row.list, &place)) << DescribeRect(place);
    // The Description column is left without width: its text goes to the tooltip.
    EXPECT_EQ(row.columnWidths, app->ReadList(list).ColumnWidths());
    for (const int button : {IDOK, IDC_BUTTON_UPDATE, IDC_BUTTON_REMOVE_ALL, IDC_BUTTON_RESTORE}) {
        const RECT face = main.Child(button).RectInParent();
        RECT overlap;
        EXPECT_FALSE(::IntersectRect(&overlap, &place, &face)) << "button " << button << " " << DescribeRect(face);
    }
}

// 532 x 380 at (4, 48) and the columns grow by 8/6 across and 16/13 down.
INSTANTIATE_TEST_SUITE_P(
    Dpi, MainDialogPlace,
    ::testing::Values(DialogPlace{"At96Dpi", false, 432, 406, {4, 48, 536, 428}, {49, 82, 281, 99, 0}},
                      DialogPlace{"AtLargeFonts", true, 532, 500, {5, 59, 714, 527}, {66, 110, 375, 132, 0}}),
    [](const ::testing::TestParamInfo<DialogPlace>& info) { return std::string(info.param.name); });

class TwoStarts : public Scenario {};

// The normalising pass deletes the key and writes it back: a second run at the same moment would
// read half a key and rewrite it. A second start gives way to the first.
TEST_F(TwoStarts, AtTheSameMomentLeaveEveryValueAndOneMainDialog)
{
    RegistryValues values;
    for (int fco = 1000; fco < 2000; ++fco)
        values[std::to_string(fco)] = "01/02/06";
    for (const auto& value : values)
        ASSERT_TRUE(machine.SetFcoValue(value.first, value.second));
    ScratchFolder folder(ScratchName(), {{"press.txt", "01/01/06\nEND;\n"}});
    ASSERT_TRUE(folder.Ready());

    MendwrightProcess first(folder);
    MendwrightProcess second(folder);
    ASSERT_TRUE(first.Started() && second.Started());
    MendwrightProcess* shows = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        shows = first.FindDialogWithControl(IDC_LIST_FCO) ? &first
                : second.FindDialogWithControl(IDC_LIST_FCO) ? &second : nullptr;
        return shows != nullptr;
    }, 30000)) << first.DescribeWindows() << second.DescribeWindows();
    MendwrightProcess& other = shows == &first ? second : first;
    EXPECT_TRUE(other.WaitForExit()) << other.DescribeWindows();
    EXPECT_FALSE(other.FindDialogWithControl(IDC_LIST_FCO));
    EXPECT_EQ(values, machine.FcoValues());
}

// Any program may take the one-run-at-a-time name first: a start then says so, and neither the
// registry nor the disk is touched.
TEST_F(TwoStarts, ANameHeldByAnotherProgramGivesOneWarningAndTouchesNothing)
{
    ASSERT_TRUE(machine.SetFcoValue("FCO456 remote support", "15/07/06 by engineer"));
    const RegistryValues before = machine.FcoValues();
    const std::unique_ptr<void, decltype(&::CloseHandle)> squatter(
        ::CreateMutexA(nullptr, FALSE, "Global\\Mendwright.FcoKey"), &::CloseHandle);
    ASSERT_TRUE(squatter);
    ScratchFolder folder(ScratchName(), {{"press.txt", "01/01/06\nEND;\n"}});
    ASSERT_TRUE(folder.Ready());

    MendwrightProcess app(folder);
    ASSERT_TRUE(app.Started()) << app.StartError();
    const ShownMessageBox warning = app.WaitForMessageBox("Warning !!!");
    ASSERT_TRUE(warning) << app.DescribeWindows();
    EXPECT_EQ("Mendwright seems to be running already, or another program holds its name, but no Mendwright window "
              "can be found.\r\nEnd the other Mendwright or restart Windows, then start Mendwright again.",
              warning.Text());
    ASSERT_TRUE(warning.Press(IDOK));
    EXPECT_TRUE(app.WaitForExit()) << app.DescribeWindows();
    EXPECT_EQ(before, machine.FcoValues());
    EXPECT_FALSE(PathExists("c:\\FCObackup"));
}

} // namespace
} // namespace e2e
