// The normalising pass over an FCO key in the real registry of the test prefix.
#include "registry/FcoValues.h"
#include "tests/win/support/TestRegistry.h"

#include <gtest/gtest.h>

#include <cstdio>

// Found by argument-dependent lookup, so beside RegistryValue rather than in the unnamed namespace.
static bool operator==(const RegistryValue& a, const RegistryValue& b)
{
    return a.name == b.name && a.type == b.type && a.data == b.data;
}

static void PrintTo(const RegistryValue& value, std::ostream* out)
{
    *out << '\'' << value.name << "' type " << value.type << " = '" << value.data.c_str() << '\'';
}

namespace {
const char kFcoKey[] = "SOFTWARE\\MendwrightTests\\FcoValues";
const char kToday[] = "31/12/99";

// A diagnostics stream in a file of its own, read back as text.
class CapturedOutput {
public:
    CapturedOutput()
    {
        char folder[MAX_PATH];
        ::GetTempPathA(MAX_PATH, folder);
        ::GetTempFileNameA(folder, "mw", 0, m_path);
        m_file = std::fopen(m_path, "w+b");
    }
    ~CapturedOutput()
    {
        if (m_file)
            std::fclose(m_file);
        ::DeleteFileA(m_path);
    }
    std::FILE* File() const { return m_file; }
    std::string Text() const
    {
        std::string text;
        std::fflush(m_file);
        std::rewind(m_file);
        for (int c; (c = std::fgetc(m_file)) != EOF;)
            text += (char)c;
        return text;
    }

private:
    char m_path[MAX_PATH] = {};
    std::FILE* m_file = nullptr;
};

// A stored REG_SZ value as ReadAllValues reports it, terminating zero included.
RegistryValue Sz(const std::string& name, const std::string& data)
{
    return {name, REG_SZ, data + '\0'};
}

class NormaliseFcoKeyTest : public ::testing::Test {
protected:
    ScopedTestKey key{kFcoKey};
    CapturedOutput output;

    std::vector<FcoRecord> Normalise() { return NormaliseFcoKey(HKEY_LOCAL_MACHINE, kFcoKey, kToday, output.File()); }
};

TEST_F(NormaliseFcoKeyTest, ReducesNamesAndDatesToNormalForm)
{
    key.SetString("FCO456 remote support", "15/07/06 by engineer");
    key.SetString("457", "yes");
    key.SetString("458", "15/07/2006");
    key.SetString("459", "2006-07-15");
    key.SetString("fco12", "01/01/01");

    Normalise();

    const std::vector<RegistryValue> expected = {
        Sz("456", "15/07/06"), Sz("457", kToday), Sz("458", "15/07/20"), Sz("459", kToday),
        Sz("fco12", "01/01/01")};
    EXPECT_EQ(ReadAllValues(kFcoKey), expected);
}

TEST_F(NormaliseFcoKeyTest, DropsValuesWithoutIdentifier)
{
    key.SetString("FCO", "01/01/01");
    key.SetString("FCO abc", "02/02/02");
    key.SetString(" lead", "03/03/03");
    key.SetString("", "04/04/04");
    key.SetString("FCO789", "05/05/05");

    const std::vector<FcoRecord> records = Normalise();

    EXPECT_EQ(records.size(), 5u);
    EXPECT_EQ(ReadAllValues(kFcoKey), std::vector<RegistryValue>{Sz("789", "05/05/05")});
}

TEST_F(NormaliseFcoKeyTest, KeyOfOnlyUnnamedValuesIsGone)
{
    key.SetString("FCO", "01/01/01");

    Normalise();

    EXPECT_FALSE(KeyExists(kFcoKey));
}

TEST_F(NormaliseFcoKeyTest, LaterEnumeratedDuplicateWins)
{
    // Created in name order, so creation order and the name order Wine enumerates in agree.
    key.SetString("456", "01/01/01");
    key.SetString("FCO456", "02/02/02");

    const std::vector<FcoRecord> records = Normalise();

    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].szName, "456");
    EXPECT_EQ(ReadAllValues(kFcoKey), std::vector<RegistryValue>{Sz("456", "02/02/02")});
}

TEST_F(NormaliseFcoKeyTest, DataThatIsNoStringGetsToday)
{
    const DWORD number = 150706;
    key.SetRaw("460", REG_DWORD, &number, sizeof(number));
    key.SetRaw("461", REG_BINARY, "15/07/06", 9);
    key.SetRaw("462", REG_EXPAND_SZ, "15/07/06", 9);

    Normalise();

    const std::vector<RegistryValue> expected = {Sz("460", kToday), Sz("461", kToday), Sz("462", kToday)};
    EXPECT_EQ(ReadAllValues(kFcoKey), expected);
}

TEST_F(NormaliseFcoKeyTest, EmptyOrMissingKeyIsLeftAloneWithoutDiagnostics)
{
    EXPECT_TRUE(Normalise().empty());
    EXPECT_TRUE(KeyExists(kFcoKey));
    EXPECT_EQ(output.Text(), "");

    const std::string missing = std::string(kFcoKey) + "\\Missing";
    EXPECT_TRUE(NormaliseFcoKey(HKEY_LOCAL_MACHINE, missing, kToday, output.File()).empty());
    EXPECT_FALSE(KeyExists(missing));
    EXPECT_EQ(output.Text(), "");
}

TEST_F(NormaliseFcoKeyTest, WritesCountAndEveryEnumeratedName)
{
    key.SetString("457", "yes");
    key.SetString("FCO456 remote support", "15/07/06 by engineer");

    Normalise();

    EXPECT_EQ(output.Text(), "\nNumber of values: 2\n(1) 457\n(2) FCO456 remote support\n");
}

TEST_F(NormaliseFcoKeyTest, KeepsEveryValueOfALargeKey)
{
    std::vector<RegistryValue> expected;
    for (int i = 0; i < 1200; ++i) {
        char name[16];
        std::snprintf(name, sizeof(name), "%04d", i);
        key.SetString(std::string("FCO") + name, "15/07/06");
        expected.push_back(Sz(name, "15/07/06"));
    }

    EXPECT_EQ(Normalise().size(), 1200u);

    EXPECT_EQ(ReadAllValues(kFcoKey), expected);
}

TEST_F(NormaliseFcoKeyTest, KeepsLongNamesWhole)
{
    const std::string forty = "A123456789B123456789C123456789D123456789";
    const std::string veryLong = std::string(1500, 'L');
    key.SetString("FCO" + forty + " remark", "15/07/06");
    key.SetString(veryLong, "16/07/06");

    Normalise();

    const std::vector<RegistryValue> expected = {Sz(forty, "15/07/06"), Sz(veryLong, "16/07/06")};
    EXPECT_EQ(ReadAllValues(kFcoKey), expected);
}

TEST_F(NormaliseFcoKeyTest, KeyThatCannotBeDeletedGetsNormalValuesBesideTheOldOnes)
{
    // A sub-key keeps the key from being deleted.
    ScopedTestKey child{std::string(kFcoKey) + "\\Child"};
    key.SetString("FCO456 remote support", "15/07/06 by engineer");

    Normalise();

    const std::vector<RegistryValue> expected = {Sz("456", "15/07/06"),
                                                 Sz("FCO456 remote support", "15/07/06 by engineer")};
    EXPECT_EQ(ReadAllValues(kFcoKey), expected);
}
} // namespace
