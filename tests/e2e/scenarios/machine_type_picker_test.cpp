// The Machine Type picker at start-up: when it is skipped, what it offers and how its answers end.
#include "tests/e2e/scenarios/Scenario.h"

#include "tests/common/Files.h"
#include "res/resource.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace e2e {
namespace {

const std::vector<ScratchFile> kThreeMachinesAndDecoys = {
    {"b.txt", "01/01/06\nEND;\n"},
    {"a.txt", "01/01/06\nEND;\n"},
    {"c.txt", "01/01/06\nEND;\n"},
    {"notes.txt.bak", "not a description file"},
    {"x.TXT", "upper-case extension"},
};

class MachineTypePicker : public Scenario {
protected:
    // With no choice to make the picker is never shown: the main dialog opens at once
    // for the name taken. Were the picker shown, it would wait for an answer and the
    // main dialog would never come.
    void ExpectMainDialogWithoutPicker(const std::vector<ScratchFile>& files, const std::string& machine)
    {
        ScratchFolder folder(ScratchName(), files);
        ASSERT_TRUE(folder.Ready());
        MendwrightProcess app(folder);
        ASSERT_TRUE(app.Started()) << app.StartError();

        const Window main = app.WaitForMainDialog();
        ASSERT_TRUE(main) << app.DescribeWindows();
        EXPECT_FALSE(app.FindDialogWithControl(IDC_COMBO_NAMES));
        EXPECT_EQ(std::string(kMachineLabel) + machine, main.Child(IDC_STATIC_MACHINE).Text());
    }
};

TEST_F(MachineTypePicker, WithoutDescriptionFilesTheMainDialogOpensForTheEmptyName)
{
    ExpectMainDialogWithoutPicker({{"notes.txt.bak", "not a description file"}}, "");
}

TEST_F(MachineTypePicker, WithOneDescriptionFileItsNameIsTakenWithoutAsking)
{
    ExpectMainDialogWithoutPicker({{"press.txt", "01/01/06\nEND;\n"}}, "press");
}

TEST_F(MachineTypePicker, OffersTheSortedTxtBaseNamesWithTheFirstPreselected)
{
    ScratchFolder folder(ScratchName(), kThreeMachinesAndDecoys);
    ASSERT_TRUE(folder.Ready());
    MendwrightProcess app(folder);
    ASSERT_TRUE(app.Started()) << app.StartError();

    const Window picker = app.WaitForPicker();
    ASSERT_TRUE(picker) << app.DescribeWindows();
    EXPECT_EQ("Machine Type", picker.Text());
    EXPECT_EQ("Select machine type:", picker.Child(IDC_STATIC_PROMPT).Text());
    const Window names = picker.Child(IDC_COMBO_NAMES);
    EXPECT_THAT(names.ComboItems(), ElementsAre("a", "b", "c"));
    EXPECT_EQ(0, names.ComboSelection());
    EXPECT_EQ("a", names.Text());
}

TEST_F(MachineTypePicker, AnEmptyNameIsRefusedUntilTheEngineerChoosesOne)
{
    ScratchFolder folder(ScratchName(), kThreeMachinesAndDecoys);
    ASSERT_TRUE(folder.Ready());
    MendwrightProcess app(folder);
    ASSERT_TRUE(app.Started()) << app.StartError();
    const Window picker = app.WaitForPicker();
    ASSERT_TRUE(picker) << app.DescribeWindows();
    const Window names = picker.Child(IDC_COMBO_NAMES);

    // The engineer clears the name and presses OK.
    ASSERT_TRUE(names.SetText(""));
    ASSERT_TRUE(picker.Click(IDOK));
    const ShownMessageBox question = app.WaitForMessageBox("Question");
    ASSERT_TRUE(question) << app.DescribeWindows();
    EXPECT_EQ("Choose Type  Machine !", question.Text());
    EXPECT_EQ(picker, question.Owner());
    ASSERT_TRUE(question.Press(IDOK));
    ASSERT_TRUE(app.WaitUntilGone(question.AsWindow())) << app.DescribeWindows();

    // The picker is still there and waits for a name.
    EXPECT_TRUE(picker.IsVisible());
    EXPECT_FALSE(app.FindDialogWithControl(IDC_LIST_FCO));

    // The engineer chooses b from the list.
    ASSERT_TRUE(names.SelectComboItem(1));
    ASSERT_TRUE(picker.Click(IDOK));
    const Window main = app.WaitForMainDialog();
    ASSERT_TRUE(main) << app.DescribeWindows();
    EXPECT_EQ(std::string(kMachineLabel) + "b", main.Child(IDC_STATIC_MACHINE).Text());
}

TEST_F(MachineTypePicker, CancelEndsTheProgramWithoutTouchingRegistryOrFiles)
{
    // A value the start-up would rewrite in its normal form.
    ASSERT_TRUE(machine.SetFcoValue("FCO456 remote support", "15/07/06 by engineer"));
    const RegistryValues valuesBefore = machine.FcoValues();
    ScratchFolder folder(ScratchName(), kThreeMachinesAndDecoys);
    ASSERT_TRUE(folder.Ready());
    const std::vector<std::string> filesBefore = folder.FileNames();
    MendwrightProcess app(folder);
    ASSERT_TRUE(app.Started()) << app.StartError();
    const Window picker = app.WaitForPicker();
    ASSERT_TRUE(picker) << app.DescribeWindows();

    ASSERT_TRUE(picker.Click(IDCANCEL));

    ASSERT_TRUE(app.WaitForExit()) << app.DescribeWindows();
    EXPECT_EQ(valuesBefore, machine.FcoValues());
    EXPECT_FALSE(KeyExists(kPalvaneKey));
    EXPECT_EQ(filesBefore, folder.FileNames());
    EXPECT_FALSE(PathExists(kBackupFolder));
    EXPECT_THAT(ListFolder(kInstallFolder), ElementsAre("Mendwright.exe"));
    // The normalising pass reports on standard output whenever it reads the key.
    EXPECT_THAT(app.StandardOutput(), IsEmpty());
}

} // namespace
} // namespace e2e
