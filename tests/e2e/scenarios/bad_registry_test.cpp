// An FCO key holding everything a field machine may carry: no record is lost or renamed by the
// start-up, the backup holds it all, Update Registry keeps it, and a restore refuses that backup.
#include "tests/e2e/scenarios/MaintenanceScenario.h"

#include <windows.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace e2e {
namespace {

const char kArchiveKey[] = "SOFTWARE\\Velmora\\FCO\\Archive";

// One value as found on the machine, with the FCO it records and the dates it may keep.
struct FieldValue {
    std::string name;
    DWORD type;
    std::string bytes;
    std::string fco;                // empty: records no FCO
    std::set<std::string> dates;    // more than one where two values meet under one FCO
};

std::string Numbered(const char* format, int number)
{
    char text[64];
    std::snprintf(text, sizeof(text), format, number);
    return text;
}

// 1,200 values: the forms installers leave, and every odd value seen on machines.
std::vector<FieldValue> FieldKey(const std::string& today)
{
    std::vector<FieldValue> values;
    for (int i = 0; i < 1100; ++i) {
        const std::string fco = Numbered("%04d", i);
        switch (i % 4) {
        case 0:
            values.push_back({"FCO" + fco + " remote support", REG_SZ, std::string("15/07/06 by engineer") + '\0', fco, {"15/07/06"}});
            break;
        case 1:
            values.push_back({fco, REG_SZ, std::string("16/07/06") + '\0', fco, {"16/07/06"}});
            break;
        case 2:
            values.push_back({"FCO" + fco, REG_SZ, std::string("2006-07-15") + '\0', fco, {today}});
            break;
        default:
            values.push_back({fco + " x", REG_SZ, std::string("17/07/2006") + '\0', fco, {"17/07/20"}});
            break;
        }
    }
    const std::string multi("15/07/06\0\0", 10);
    const std::vector<FieldValue> odd = {
        {"fco5000", REG_SZ, std::string("15/07/06") + '\0', "fco5000", {"15/07/06"}},
        {std::string(40, 'A'), REG_SZ, std::string("15/07/06") + '\0', std::string(40, 'A'), {"15/07/06"}},
        {std::string(255, 'B'), REG_SZ, std::string("15/07/06") + '\0', std::string(255, 'B'), {"15/07/06"}},
        {"FCO5001", REG_SZ, std::string("01/01/06") + '\0', "5001", {"01/01/06", "02/02/06"}},
        {"5001", REG_SZ, std::string("02/02/06") + '\0', "5001", {"01/01/06", "02/02/06"}},
        {"5002", REG_SZ, std::string(1, '\0'), "5002", {today}},
        {"5003", REG_DWORD, std::string("\x01\x00\x00\x00", 4), "5003", {today}},
        {"5004", REG_BINARY, std::string("\x15\x07\x06", 3), "5004", {today}},
        {"5005", REG_MULTI_SZ, multi, "5005", {today}},
        {"5006", REG_EXPAND_SZ, std::string("15/07/06") + '\0', "5006", {today}},
        {"5007", REG_SZ, "18/07/06", "5007", {"18/07/06"}},  // stored without its terminating zero
        {"", REG_SZ, std::string("15/07/06") + '\0', "", {}},  // the default value
    };
    values.insert(values.end(), odd.begin(), odd.end());
    for (int i = 6000; values.size() < 1200; ++i)
        values.push_back({Numbered("FCO%04d late fix", i), REG_SZ, std::string("19/07/06") + '\0',
                          Numbered("%04d", i), {"19/07/06"}});
    return values;
}

std::string Catalogue()
{
    std::string text = "01/12/26\n";
    for (int i = 0; i < 50; ++i)
        text += Numbered("%04d@Part@Field change\n", i);
    return text + "5001@Duplicate@Two values\n5007@Unterminated@No zero\n9990@New@Not installed\nEND;\n";
}

class BadRegistry : public MaintenanceScenario {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(MaintenanceScenario::SetUp());
        for (const FieldValue& value : table)
            ASSERT_TRUE(HklmSetRaw(kFcoKey, value.name, value.type, value.bytes)) << value.name;
        ASSERT_TRUE(HklmSetString(kArchiveKey, "FCO9999 old", "01/01/01"));
        ASSERT_TRUE(HklmSetString(kArchiveKey, "note", "kept"));
        archive = HklmValues(kArchiveKey);
        ASSERT_NO_FATAL_FAILURE(Start({}, Catalogue()));
    }

    // Every FCO of the table under its normal name with a date it may keep; the archive untouched.
    void ExpectEveryRecordKept(const RegistryValues& values) const
    {
        int missing = 0;
        for (const FieldValue& value : table) {
            if (value.fco.empty())
                continue;
            const auto found = values.find(value.fco);
            if (found == values.end() || value.dates.count(found->second) == 0)
                ADD_FAILURE() << "FCO " << value.fco.substr(0, 40) << " from value '" << value.name.substr(0, 40)
                              << "': " << (found == values.end() ? "missing" : "'" + found->second + "'")
                              << (++missing > 10 ? " (and more)" : "");
            if (missing > 10)
                return;
        }
        // Nor does a value appear under a name that is neither one found on the machine nor the
        // normal form of one: that would be a record renamed.
        std::set<std::string> names;
        for (const FieldValue& value : table)
            names.insert({value.name, value.fco});
        for (const auto& value : values)
            EXPECT_EQ(1u, names.count(value.first)) << "unexpected value '" << value.first.substr(0, 40) << "'";
        EXPECT_EQ(archive, HklmValues(kArchiveKey));
    }

    const std::vector<FieldValue> table = FieldKey(TodayAsFcoDate());
    RegistryValues archive;
};

TEST_F(BadRegistry, NoRecordIsLostByTheStartUpTheBackupUpdateRegistryOrARestore)
{
    const RegistryValues afterStart = machine.FcoValues();
    ExpectEveryRecordKept(afterStart);

    // The start-up's backup holds every string value of the key and the archive below it.
    const std::vector<std::string> exports = ExportFileNames();
    ASSERT_EQ(1u, exports.size());
    const std::set<std::string> lines = ExportLines(BackupPath(exports[0]));
    for (const auto& value : afterStart) {
        const std::string name = value.first.empty() ? "@" : "\"" + value.first + "\"";
        if (value.second.compare(0, 6, "[type ") != 0) {
            EXPECT_EQ(1u, lines.count(name + "=\"" + value.second + "\"")) << name.substr(0, 40);
        }
    }
    EXPECT_EQ(1u, lines.count(std::string("[HKEY_LOCAL_MACHINE\\") + kArchiveKey + "]"));
    EXPECT_EQ(1u, lines.count("\"note\"=\"kept\""));

    // Update Registry with the ticks as the start-up found them changes nothing.
    ASSERT_TRUE(main.Click(IDC_BUTTON_UPDATE));
    const ShownMessageBox question = app->WaitForMessageBox("Update Registry");
    ASSERT_TRUE(question) << app->DescribeWindows();
    ASSERT_TRUE(question.Press(IDYES));
    ASSERT_TRUE(app->WaitUntilGone(question.AsWindow()));
    EXPECT_EQ("", WarningTextNow());
    EXPECT_EQ(afterStart, machine.FcoValues());

    // The backup holds the archive below the key, which a restore cannot put back on NT: it is
    // refused, and the key keeps even the record changed since.
    ASSERT_TRUE(machine.SetFcoValue("0001", "01/01/01"));
    const RegistryValues changed = machine.FcoValues();
    ASSERT_TRUE(main.Click(IDC_BUTTON_RESTORE));
    const ShownMessageBox refusal = app->WaitForMessageBox("Warning !!!");
    ASSERT_TRUE(refusal) << app->DescribeWindows();
    EXPECT_NE(std::string::npos, refusal.Text().find("changes other keys than")) << refusal.Text();
    ASSERT_TRUE(refusal.Press(IDOK));
    EXPECT_EQ(changed, machine.FcoValues());
    EXPECT_EQ(archive, HklmValues(kArchiveKey));
}

} // namespace
} // namespace e2e
