// The main dialog as it stands after the start-up: caption, machine label, list place and columns.
#include "tests/e2e/scenarios/Scenario.h"

#include "tests/e2e/driver/LargeFonts.h"
#include "res/resource.h"

#include <gmock/gmock.h>

#include <memory>

using ::testing::ElementsAre;

namespace e2e {
namespace {

class MainDialog : public Scenario {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(Scenario::SetUp());
        ASSERT_TRUE(folder.Ready());
        ASSERT_TRUE(app.Started()) << app.StartError();
        main = app.WaitForMainDialog();
        ASSERT_TRUE(main) << app.DescribeWindows();
    }

    ScratchFolder folder{ScratchName(), {{"press.txt", "01/01/06\nEND;\n"}}};
    MendwrightProcess app{folder};
    Window main;
};

TEST_F(MainDialog, CarriesTheVersionCaptionAndTheMachineName)
{
    EXPECT_EQ(kMainDialogCaption, main.Text());
    EXPECT_EQ(std::string(kMachineLabel) + "press", main.Child(IDC_STATIC_MACHINE).Text());
}

TEST_F(MainDialog, PlacesTheListInPixelsAndSplitsItsWidthIntoTheFiveColumns)
{
    const Window list = main.Child(IDC_LIST_FCO);
    const RECT place = list.RectInParent();
    EXPECT_EQ(4, place.left) << DescribeRect(place);
    EXPECT_EQ(48, place.top) << DescribeRect(place);
    EXPECT_EQ(532, place.right - place.left) << DescribeRect(place);
    EXPECT_EQ(380, place.bottom - place.top) << DescribeRect(place);

    // The template's dialog units as Windows at 96 DPI gives them (the test prefix has the
    // template's font with Windows' metrics): the information line stands where an engineer sees it.
    EXPECT_EQ(432, main.ClientRect().bottom);
    EXPECT_EQ(406, main.Child(IDC_STATIC_INFO).RectInParent().top);

    // At 532 pixels the Description column is left without width: its text goes to the tooltip.
    EXPECT_THAT(app.ReadList(list).ColumnWidths(), ElementsAre(49, 82, 281, 99, 0));
}

// Windows' large fonts: the dialog's units grow from 6 x 13 pixels to 8 x 16, and so must the list
// and its columns that the start-up places in pixels.
class LargeFontsDialog : public Scenario {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(Scenario::SetUp());
        ASSERT_TRUE(largeFonts.Ready());
        ASSERT_TRUE(folder.Ready());
        app = std::make_unique<MendwrightProcess>(folder);
        ASSERT_TRUE(app->Started()) << app->StartError();
        main = app->WaitForMainDialog();
        ASSERT_TRUE(main) << app->DescribeWindows();
    }

    // Declared in this order so the program ends before the prefix goes back to 96 DPI.
    LargeFonts largeFonts;
    ScratchFolder folder{ScratchName(), {{"press.txt", "01/01/06\nEND;\n"}}};
    std::unique_ptr<MendwrightProcess> app;
    Window main;
};

TEST_F(LargeFontsDialog, GrowsTheListAndItsColumnsWithTheDialogUnits)
{
    // 266 dialog units of 16 pixels each: the program runs at 120 DPI.
    ASSERT_EQ(532, main.ClientRect().bottom);

    // (4, 48), 532 x 380 and the widths 49, 82, 281, 99 and 0, by 8/6 across and 16/13 down.
    const Window list = main.Child(IDC_LIST_FCO);
    const RECT place = list.RectInParent();
    EXPECT_NEAR(5, place.left, 1) << DescribeRect(place);
    EXPECT_NEAR(59, place.top, 1) << DescribeRect(place);
    EXPECT_NEAR(709, place.right - place.left, 2) << DescribeRect(place);
    EXPECT_NEAR(468, place.bottom - place.top, 2) << DescribeRect(place);
    const std::vector<int> grown = {65, 109, 375, 132, 0};
    const std::vector<int> widths = app->ReadList(list).ColumnWidths();
    ASSERT_EQ(grown.size(), widths.size());
    for (size_t column = 0; column < grown.size(); ++column)
        EXPECT_NEAR(grown[column], widths[column], 2) << "column " << column;

    for (const int button : {IDOK, IDC_BUTTON_UPDATE, IDC_BUTTON_REMOVE_ALL, IDC_BUTTON_RESTORE}) {
        const RECT face = main.Child(button).RectInParent();
        RECT overlap;
        EXPECT_FALSE(::IntersectRect(&overlap, &place, &face)) << "button " << button << " " << DescribeRect(face);
    }
}

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

} // namespace
} // namespace e2e
