// Unit tests of the check that a restored FCO key holds what its export file holds.
#include "maintenance/RestoreCheck.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace
{
const char kToday[] = "09/09/09";

using Names = std::vector<std::string>;
using ReadBack = std::map<std::string, std::string>;

// The export of a key as installers leave it, made by the registry editor under Wine.
std::vector<RegistryExportValue> ExportedFcoKey()
{
    std::ifstream file(REGEDIT_FIXTURES "/wine_fco.reg", std::ios::binary);
    const RegistryExport parsed =
        ParseRegistryExport(std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
    return ValuesOfKey(parsed, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\FCO");
}

// The same key read back as the program reads it before the normalising pass.
ReadBack RawKey()
{
    return {{"FCO456 remote support", "15/07/06 by engineer"},
            {"456", "01/08/06"},
            {"457", "yes"},
            {"458", "15/07/2006"},
            {"459", "2006-07-15"},
            {"460", "03/03/06"},
            {"FCO", "03/03/06"},
            {"461", ""}};  // REG_DWORD: no string to read
}

// The same key after the normalising pass, with the date of one of the two values behind 456.
ReadBack NormalisedKey(const std::string& date456)
{
    return {{"456", date456}, {"457", kToday}, {"458", "15/07/20"},
            {"459", kToday},  {"460", "03/03/06"}, {"461", kToday}};
}
}  // namespace

TEST(FindDifferingFcos, AcceptsTheKeyReadBeforeOrAfterNormalising)
{
    const std::vector<RegistryExportValue> exported = ExportedFcoKey();
    ASSERT_EQ(8u, exported.size());
    EXPECT_EQ(Names(), FindDifferingFcos(exported, RawKey(), kToday));
    // Which of FCO456 and 456 is enumerated last is the system's choice; either date is right.
    EXPECT_EQ(Names(), FindDifferingFcos(exported, NormalisedKey("15/07/06"), kToday));
    EXPECT_EQ(Names(), FindDifferingFcos(exported, NormalisedKey("01/08/06"), kToday));
}

TEST(FindDifferingFcos, NamesEachFcoThatIsMissingAddedOrDatedOtherwise)
{
    const std::vector<RegistryExportValue> exported = ExportedFcoKey();

    ReadBack changed = NormalisedKey("02/02/06");
    changed.erase("457");
    changed["999"] = "01/01/06";
    changed["460"] = "04/03/06";
    EXPECT_EQ(Names({"456", "457", "460", "999"}), FindDifferingFcos(exported, changed, kToday));

    EXPECT_EQ(Names({"456", "457", "458", "459", "460", "461"}), FindDifferingFcos(exported, ReadBack(), kToday));
    EXPECT_EQ(Names({"1", "2"}), FindDifferingFcos({}, {{"FCO2", ""}, {"1", ""}}, kToday));
}

TEST(FindDifferingFcos, JudgesDatesAsTheNormalisingPassReadsThem)
{
    const std::vector<RegistryExportValue> exported = ExportedFcoKey();

    // The value holds no string, so its date is today's; a real date in its place is a change.
    ReadBack dated = RawKey();
    dated["461"] = "05/05/05";
    EXPECT_EQ(Names({"461"}), FindDifferingFcos(exported, dated, kToday));

    // A value left over from before the restore could win the enumeration for 456.
    ReadBack stale = RawKey();
    stale["FCO456 old entry"] = "07/07/07";
    EXPECT_EQ(Names({"456"}), FindDifferingFcos(exported, stale, kToday));

    // Names that reduce to nothing are dropped by the pass and matter to no one.
    ReadBack dropped = RawKey();
    dropped.erase("FCO");
    dropped[" leading blank"] = "01/01/01";
    dropped["FCO remark"] = "01/01/01";
    EXPECT_EQ(Names(), FindDifferingFcos(exported, dropped, kToday));
}

TEST(FindDifferingFcos, ReadsOnlyPlainStringsAsText)
{
    RegistryExportValue expand;
    expand.name = "470";
    expand.type = kRegExpandSz;
    expand.data = std::string("01/01/06\0", 9);
    expand.text = "01/01/06";
    RegistryExportValue multi = expand;
    multi.name = "471";
    multi.type = kRegMultiSz;
    EXPECT_EQ(Names(), FindDifferingFcos({expand, multi}, {{"470", ""}, {"471", ""}}, kToday));
    EXPECT_EQ(Names({"470"}), FindDifferingFcos({expand, multi}, {{"470", "01/01/06"}, {"471", ""}}, kToday));
}
