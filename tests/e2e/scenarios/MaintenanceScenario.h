// The frame of the registry maintenance scenarios: the program started over a catalogue of three
// FCOs, its list's dates, and the end of a restore seen from outside.
#pragma once

#include "tests/e2e/scenarios/Scenario.h"

#include "tests/e2e/driver/BackupFolder.h"
#include "tests/e2e/driver/Standins.h"
#include "tests/e2e/driver/Wait.h"
#include "res/resource.h"

#include <memory>
#include <string>
#include <vector>

namespace e2e {

class MaintenanceScenario : public Scenario {
protected:
    static constexpr const char* kCatalogue = "15/07/06\n"
                                              "456@Imaging head@New firmware\n"
                                              "457@Loader@New belt\n"
                                              "458@Stacker@New tray\n"
                                              "END;\n";
    // Set from outside once the program runs: no backup holds it, so a restore removes it.
    static constexpr const char* kMarker = "marker";

    // Starts the program in a folder of its own and waits for the main dialog.
    void Start(const std::vector<ScratchFile>& extraFiles = {}, const std::string& catalogue = kCatalogue)
    {
        std::vector<ScratchFile> files = {{"press.txt", catalogue}};
        files.insert(files.end(), extraFiles.begin(), extraFiles.end());
        folder = std::make_unique<ScratchFolder>(ScratchName(), files);
        ASSERT_TRUE(folder->Ready());
        app = std::make_unique<MendwrightProcess>(*folder);
        ASSERT_TRUE(app->Started()) << app->StartError();
        main = app->WaitForMainDialog();
        ASSERT_TRUE(main) << app->DescribeWindows();
    }

    ListViewReader List() const { return app->ReadList(main.Child(IDC_LIST_FCO)); }

    // The Installation Date column, row by row.
    std::vector<std::string> Dates() const
    {
        const ListViewReader list = List();
        std::vector<std::string> dates;
        for (int row = 0; row < list.RowCount(); ++row)
            dates.push_back(list.CellText(row, 3));
        return dates;
    }

    // A warning box on the screen now. The dialog answers a message only once its command has
    // returned or put up a box, so asking for its caption first settles which it is.
    ShownMessageBox WarningShownNow() const
    {
        main.Text();
        return app->WaitForMessageBox("Warning !!!", 0);
    }

    // The text of the warning on the screen now, empty when there is none.
    std::string WarningTextNow() const
    {
        const ShownMessageBox warning = WarningShownNow();
        return warning ? warning.Text() : std::string();
    }

    // Sets the marker, so that WaitForRestoreEnd can tell a restore that ran from one that has not.
    void MarkKeyBeforeRestore() { ASSERT_TRUE(machine.SetFcoValue(kMarker, "01/01/06")); }

    // The key is back without the marker and the dialog is on the screen and usable again: the
    // import and the refill are over. (The key is missing from the deletion to the end of the import.)
    // The key is read back for its check after that; the dialog answers a message only once the check
    // is over, so the caller may touch the key again as soon as this returns.
    bool WaitForRestoreEnd() const
    {
        const bool ended = WaitUntil([&] {
            return machine.FcoKeyExists() && machine.FcoValues().count(kMarker) == 0 && main.IsVisible() &&
                   main.Child(IDOK).IsEnabled();
        });
        main.Text();
        return ended;
    }

    // Declared in this order so the program ends before its folder is removed.
    std::unique_ptr<ScratchFolder> folder;
    std::unique_ptr<MendwrightProcess> app;
    Window main;
};

} // namespace e2e
