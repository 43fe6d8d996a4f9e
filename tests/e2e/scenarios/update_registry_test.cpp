// Update Registry: the engineer's ticks reach the FCO key after one confirmation, and refusals are told.
#include "tests/e2e/scenarios/MaintenanceScenario.h"

#include "tests/common/KeyAccess.h"
#include "tests/e2e/driver/Ticks.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace e2e {
namespace {

class UpdateRegistry : public MaintenanceScenario {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(MaintenanceScenario::SetUp());
        ASSERT_TRUE(machine.SetFcoValue("456", "15/07/06"));
        ASSERT_TRUE(machine.SetFcoValue("458", "01/02/06"));
        ASSERT_TRUE(machine.SetFcoValue("999", "01/01/06"));  // of another catalogue
        ASSERT_NO_FATAL_FAILURE(Start());
        ASSERT_THAT(Dates(), ElementsAre("15/07/06", "", "01/02/06"));
    }

    // Ticks 457 and clears 458 by clicking their Status cells.
    void ToggleTheLastTwoRows()
    {
        const ListViewReader list = List();
        ASSERT_TRUE(list.ClickCell(1, 0));
        ASSERT_TRUE(list.ClickCell(2, 0));
        std::string pictures;
        ASSERT_TRUE(ShowsTickOnlyIn(list, 1, 2, &pictures)) << pictures;
    }

    void PressUpdateAndAnswer(int answer)
    {
        ASSERT_TRUE(main.Click(IDC_BUTTON_UPDATE));
        const ShownMessageBox question = app->WaitForMessageBox("Update Registry");
        ASSERT_TRUE(question) << app->DescribeWindows();
        EXPECT_EQ("Are you sure you want to update the Registry?", question.Text());
        EXPECT_TRUE(question.HasButton(IDYES) && question.HasButton(IDNO));
        EXPECT_EQ(main, question.Owner());
        ASSERT_TRUE(question.Press(answer));
        ASSERT_TRUE(app->WaitUntilGone(question.AsWindow()));
        // The box goes before the writes begin; a message the dialog answers comes after them.
        DWORD_PTR answered = 0;
        ASSERT_TRUE(::SendMessageTimeoutA(main.Handle(), WM_NULL, 0, 0, SMTO_NORMAL, 30000, &answered));
    }
};

TEST_F(UpdateRegistry, ClickedTicksReachTheRegistryOnlyAfterYes)
{
    ASSERT_NO_FATAL_FAILURE(ToggleTheLastTwoRows());
    const RegistryValues before = machine.FcoValues();

    ASSERT_NO_FATAL_FAILURE(PressUpdateAndAnswer(IDNO));
    EXPECT_EQ("", WarningTextNow());
    EXPECT_EQ(before, machine.FcoValues());
    EXPECT_THAT(Dates(), ElementsAre("15/07/06", "", "01/02/06"));

    ASSERT_NO_FATAL_FAILURE(PressUpdateAndAnswer(IDYES));
    // Everything went through: nothing more to say.
    EXPECT_EQ("", WarningTextNow());
    const std::string today = TodayAsFcoDate();
    EXPECT_EQ((RegistryValues{{"456", "15/07/06"}, {"457", today}, {"999", "01/01/06"}}), machine.FcoValues());
    EXPECT_THAT(Dates(), ElementsAre("15/07/06", today, ""));
}

// An engineer at the keyboard: the arrow keys move the selection, Space ticks and clears its row,
// once however long it is held.
TEST_F(UpdateRegistry, SpaceTicksAndClearsTheSelectedRowAsAClickDoes)
{
    const HWND list = main.Child(IDC_LIST_FCO).Handle();
    const auto press = [&](WPARAM key) {
        return ::PostMessageW(list, WM_KEYDOWN, key, 1) && ::PostMessageW(list, WM_KEYUP, key, 0xC0000001);
    };
    // The keyboard repeats a held key's key-down with bit 30 set: the key was down already.
    const auto holdSpace = [&] {
        return ::PostMessageW(list, WM_KEYDOWN, VK_SPACE, 1) &&
               ::PostMessageW(list, WM_KEYDOWN, VK_SPACE, 0x40000001) &&
               ::PostMessageW(list, WM_KEYUP, VK_SPACE, 0xC0000001);
    };
    std::string pictures;
    ASSERT_TRUE(press(VK_END) && holdSpace());
    EXPECT_TRUE(ShowsTickOnlyIn(List(), 0, 2, &pictures)) << "458 cleared\n" << pictures;
    ASSERT_TRUE(press(VK_UP) && press(VK_SPACE));
    EXPECT_TRUE(ShowsTickOnlyIn(List(), 1, 2, &pictures)) << "457 ticked\n" << pictures;

    ASSERT_NO_FATAL_FAILURE(PressUpdateAndAnswer(IDYES));
    const std::string today = TodayAsFcoDate();
    EXPECT_EQ((RegistryValues{{"456", "15/07/06"}, {"457", today}, {"999", "01/01/06"}}), machine.FcoValues());
}

TEST_F(UpdateRegistry, RemoveAllWritesNothingAndTheUpdateAfterItEmptiesEveryListedValue)
{
    ASSERT_TRUE(main.Click(IDC_BUTTON_REMOVE_ALL));
    EXPECT_EQ("", WarningTextNow());
    EXPECT_EQ(3u, machine.FcoValues().size());

    ASSERT_NO_FATAL_FAILURE(PressUpdateAndAnswer(IDYES));
    EXPECT_EQ("", WarningTextNow());
    EXPECT_EQ((RegistryValues{{"999", "01/01/06"}}), machine.FcoValues());
    EXPECT_THAT(Dates(), ElementsAre("", "", ""));
}

TEST_F(UpdateRegistry, ChangesTheRegistryRefusesAreListedAndNotShownAsMade)
{
    ASSERT_NO_FATAL_FAILURE(ToggleTheLastTwoRows());
    ASSERT_TRUE(DenyValueChanges(kFcoKey));
    const RegistryValues before = machine.FcoValues();

    ASSERT_NO_FATAL_FAILURE(PressUpdateAndAnswer(IDYES));

    const ShownMessageBox warning = app->WaitForMessageBox("Warning !!!");
    ASSERT_TRUE(warning) << app->DescribeWindows();
    EXPECT_EQ("The registry refused the changes of these FCOs: 456, 457, 458.\r\n"
              "Their Installation Date shows what the registry holds.",
              warning.Text());
    EXPECT_EQ(main, warning.Owner());
    EXPECT_EQ(before, machine.FcoValues());
    EXPECT_THAT(Dates(), ElementsAre("15/07/06", "", "01/02/06"));
}

} // namespace
} // namespace e2e
