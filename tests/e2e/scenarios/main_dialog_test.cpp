// The main dialog as it stands after the start-up: caption, machine label, list place and columns.
#include "tests/e2e/scenarios/Scenario.h"

#include "res/resource.h"
#include "tests/common/Files.h"

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
