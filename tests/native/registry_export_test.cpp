// Unit tests of the registry-editor export reader, on real exports made under Wine and on hand-made oddities.
#include "maintenance/RegistryExport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace
{
std::string ReadFixture(const char* name)
{
    std::ifstream file(std::string(REGEDIT_FIXTURES) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// An export file as the registry editor writes it on Windows 2000 and later.
std::string Utf16File(const std::u16string& text)
{
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text)
    {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

const RegistryExportValue* Find(const RegistryExportSection& section, const std::string& name)
{
    for (const RegistryExportValue& value : section.values)
        if (value.name == name)
            return &value;
    return nullptr;
}

// "name=type:data" per value, data bytes escaped, so a whole section compares in one assertion.
std::string Describe(const std::vector<RegistryExportValue>& values)
{
    std::string text;
    for (const RegistryExportValue& value : values)
    {
        text += value.name + "=" + std::to_string(value.type) + ":";
        for (const char c : value.data)
        {
            const unsigned char byte = static_cast<unsigned char>(c);
            if (byte < 32 || byte > 126)
                text += "<" + std::to_string(byte) + ">";
            else
                text += c;
        }
        text += "\n";
    }
    return text;
}

std::string Parsed(const std::string& body)
{
    const RegistryExport file = ParseRegistryExport("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\K]\r\n" + body);
    return file.sections.empty() ? "no section" : Describe(file.sections[0].values);
}

const std::string kLongName = [] {
    std::string name;
    for (int i = 0; i < 255; ++i)
        name += static_cast<char>('a' + i % 26);
    return name;
}();

struct ExpectedValue
{
    std::string name;
    std::uint32_t type;
    std::string data;
};
}  // namespace

TEST(ParseRegistryExport, ReadsEveryValueTypeOfARealExport)
{
    const RegistryExport file = ParseRegistryExport(ReadFixture("wine_types.reg"));
    ASSERT_TRUE(file.headerRecognised);
    EXPECT_TRUE(file.wideText);
    ASSERT_EQ(2u, file.sections.size());
    EXPECT_EQ("HKEY_LOCAL_MACHINE\\SOFTWARE\\ExportFixture", file.sections[0].keyPath);
    EXPECT_EQ("HKEY_LOCAL_MACHINE\\SOFTWARE\\ExportFixture\\Sub Key", file.sections[1].keyPath);
    EXPECT_EQ("inner=1:1<0>\n", Describe(file.sections[1].values));

    std::string counting;
    for (int i = 0; i < 200; ++i)
        counting += static_cast<char>(i);
    using namespace std::string_literals;
    const ExpectedValue expected[] = {
        {"", kRegSz, "default data\0"s},
        {kLongName, kRegSz, "15/07/06\0"s},
        {"backslash", kRegSz, "c:\\FCObackup\\x\\\0"s},
        {"quotes", kRegSz, "say \"hi\"\0"s},
        {"linefeed", kRegSz, "a\nb\0"s},
        {"crlf", kRegSz, "a\r\nb\0"s},
        {"tab", kRegSz, "a\tb\0"s},
        {"empty", kRegSz, "\0"s},
        {"emptynozero", kRegSz, "\0"s},
        {"noterm", kRegSz, "abc\0"s},
        {"midnull", kRegSz, "ab\0"s},
        {"name \"q\" \\b", kRegSz, "v\0"s},
        {"eq=sign]x", kRegSz, "[x]\0"s},
        {"nl\nname", kRegSz, "v\0"s},
        {"latin", kRegSz, "caf\xE9 \xFC\0"s},
        {"wide", kRegSz, "x?y?z\0"s},
        {"FCO456 remote support", kRegSz, "15/07/06 by engineer\0"s},
        {"expand", kRegExpandSz, "%SystemRoot%\\x\0"s},
        {"multi", kRegMultiSz, "a\0bc\0\0\0"s},
        {"multiempty", kRegMultiSz, "\0"s},
        {"dword", kRegDword, "\x78\x56\x34\x12"s},
        {"dwordzero", kRegDword, "\0\0\0\0"s},
        {"binary", kRegBinary, "\x01\x02\xFF"s},
        {"binaryempty", kRegBinary, ""},
        {"binarylong", kRegBinary, counting},
        {"qword", 11, "\x08\x07\x06\x05\x04\x03\x02\x01"s},
        {"none", 0, "\x01\x02"s},
        {"oddtype", 0x12345, "\x05"s},
        {"plain", kRegSz, "data\0"s},
    };
    const RegistryExportSection& section = file.sections[0];
    EXPECT_EQ(std::size(expected), section.values.size());
    for (const ExpectedValue& want : expected)
    {
        SCOPED_TRACE(want.name);
        const RegistryExportValue* value = Find(section, want.name);
        ASSERT_NE(nullptr, value);
        EXPECT_EQ(want.type, value->type);
        EXPECT_EQ(want.data, value->data);
    }

    EXPECT_EQ("default data", Find(section, "")->text);
    EXPECT_EQ("ab", Find(section, "midnull")->text);
    EXPECT_EQ("%SystemRoot%\\x", Find(section, "expand")->text);
    EXPECT_EQ(std::string("a\0bc", 4), Find(section, "multi")->text);
    EXPECT_EQ("", Find(section, "multiempty")->text);
    EXPECT_EQ("", Find(section, "dword")->text);
}

TEST(ParseRegistryExport, NarrowsUtf16ThroughTheCallersConversionPieceByPiece)
{
    // Stands in for the system conversion: knows one character the default does not, and fails
    // loudly if a zero reaches it.
    const NarrowText narrow = [](const std::u16string& wide) {
        std::string text;
        for (const char16_t unit : wide)
            text += unit == 0x20AC ? "\x80" : unit == 0 ? "<zero>" : std::string(1, static_cast<char>(unit));
        return text;
    };
    const RegistryExport file = ParseRegistryExport(
        Utf16File(u"Windows Registry Editor Version 5.00\r\n\r\n"
                  u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\K\u20AC]\r\n"
                  u"\"n\u20AC\"=\"d\u20AC\"\r\n"
                  u"\"m\"=hex(7):ac,20,00,00,41,00,00,00,00,00\r\n"),
        narrow);
    ASSERT_EQ(1u, file.sections.size());
    // Key names are only ever compared with ASCII paths: outside ASCII they are not narrowed.
    EXPECT_EQ("HKEY_LOCAL_MACHINE\\SOFTWARE\\K?", file.sections[0].keyPath);
    EXPECT_EQ("n\x80=1:d<128><0>\n"
              "m=7:<128><0>A<0><0>\n",
              Describe(file.sections[0].values));
}

TEST(ParseRegistryExport, ReadsSingleByteFilesWithStringBytesAsWritten)
{
    const RegistryExport file = ParseRegistryExport(
        "REGEDIT4\n"
        "\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\FCO]\n"
        "\"456\"=\"15/07/06 caf\xE9\"\n"
        "\"e\"=hex(2):25,41,25,00\n"
        "\"m\"=hex(7):61,00,62,00,00\n"
        "\"d\"=dword:0000001f\n");
    EXPECT_TRUE(file.headerRecognised);
    EXPECT_FALSE(file.wideText);
    ASSERT_EQ(1u, file.sections.size());
    EXPECT_EQ("456=1:15/07/06 caf<233><0>\n"
              "e=2:%A%<0>\n"
              "m=7:a<0>b<0><0>\n"
              "d=4:<31><0><0><0>\n",
              Describe(file.sections[0].values));
}

TEST(ParseRegistryExport, RecognisesOnlyTheTwoHeadersAsTheImporterDoes)
{
    EXPECT_TRUE(ParseRegistryExport("REGEDIT4").headerRecognised);
    EXPECT_TRUE(ParseRegistryExport("  REGEDIT4\r\n").headerRecognised);
    EXPECT_TRUE(ParseRegistryExport("Windows Registry Editor Version 5.00\n").headerRecognised);
    EXPECT_TRUE(ParseRegistryExport(Utf16File(u"REGEDIT4\r\n")).headerRecognised);
    EXPECT_TRUE(ParseRegistryExport(ReadFixture("wine_empty.reg")).headerRecognised);

    EXPECT_FALSE(ParseRegistryExport("").headerRecognised);
    EXPECT_FALSE(ParseRegistryExport("REGEDIT4  \r\n").headerRecognised);
    EXPECT_FALSE(ParseRegistryExport("regedit4\r\n").headerRecognised);
    EXPECT_FALSE(ParseRegistryExport("\r\nREGEDIT4\r\n").headerRecognised);
    EXPECT_FALSE(ParseRegistryExport("\xEF\xBB\xBFREGEDIT4\r\n").headerRecognised);
    // UTF-16 without its byte-order mark is not text the importer reads.
    EXPECT_FALSE(ParseRegistryExport(Utf16File(u"REGEDIT4\r\n").substr(2)).headerRecognised);
}

TEST(ParseRegistryExport, JoinsContinuedByteLists)
{
    EXPECT_EQ("c=3:<1><2><3><4>\n", Parsed("\"c\"=hex:01,02,\\\r\n  03,04\r\n"));
    EXPECT_EQ("c=3:<1><2><3><4>\n", Parsed("\"c\"=hex:01,02,\\  \r\n\r\n; note\r\n03,04\r\n"));
    EXPECT_EQ("c=3:<1><2>\n", Parsed("\"c\"=hex: 1, 02 ,\\\r\n  \r\n"
                                      "\"c\"=hex:01, 2,\r\n"));
    EXPECT_EQ("c=3:<1><2>\n", Parsed("\"c\"=hex:01,02 ; remark\r\n"));
    // A list cut short by the next section or the end of the file stores nothing, and the
    // line that follows is read on its own.
    const RegistryExport file = ParseRegistryExport(
        "REGEDIT4\n[K1]\n\"cut\"=hex:01,\\\n[K2]\n\"after\"=\"x\"\n\"end\"=hex:01,\\\n");
    ASSERT_EQ(2u, file.sections.size());
    EXPECT_EQ("", Describe(file.sections[0].values));
    EXPECT_EQ("after=1:x<0>\n", Describe(file.sections[1].values));
}

TEST(ParseRegistryExport, ReadsNamesAndTextsAsTheImporterDoes)
{
    EXPECT_EQ("=1:d<0>\n", Parsed("@=\"d\"\r\n"));
    EXPECT_EQ("=1:e<0>\n", Parsed("\"\"=\"e\"\r\n"));
    EXPECT_EQ("s=1:sp<0>\n", Parsed("  \"s\" =  \"sp\"   ; remark\r\n"));
    EXPECT_EQ("t=1:atb<0>\n", Parsed("\"t\"=\"a\\tb\"\r\n"));
    EXPECT_EQ("h=1:ax41b<0>\n", Parsed("\"h\"=\"a\\x41b\"\r\n"));
    EXPECT_EQ("q\"x\\=1:a\"b\\<0>\n", Parsed("\"q\\\"x\\\\\"=\"a\\\"b\\\\\"\r\n"));
    EXPECT_EQ("d=4:<1><0><0><0>\n", Parsed("\"d\"=dword: 1\r\n"));
    EXPECT_EQ("d=4:<1><239><205><171>\n", Parsed("\"d\"=dword:ABCDEF01\r\n"));
    EXPECT_EQ("b=11:<1>\n", Parsed("\"b\"=hex( B):01\r\n"));
    // UTF-16 string bytes of odd length: the last byte holds no character.
    const RegistryExport odd = ParseRegistryExport(
        Utf16File(u"REGEDIT4\r\n[K]\r\n\"o\"=hex(2):41,00,42\r\n"));
    EXPECT_EQ("o=2:A\n", Describe(odd.sections.at(0).values));
}

TEST(ParseRegistryExport, SkipsLinesTheImporterRefuses)
{
    EXPECT_EQ("good=1:g<0>\n",
              Parsed("\"a\"=\"b\" junk\r\n"
                     "\"unclosed=\"x\r\n"
                     "\"zero\"=\"a\\0b\"\r\n"
                     "\"endslash\"=\"ab\\\r\n"
                     "\"noequals\" \"x\"\r\n"
                     "\"d9\"=dword:123456789\r\n"
                     "\"dg\"=dword:0000001g\r\n"
                     "\"dn\"=dword:-1\r\n"
                     "\"upper\"=DWORD:00000001\r\n"
                     "\"big\"=hex:0102\r\n"
                     "\"gap\"=hex:01,,02\r\n"
                     "\"type\"=hex(zz):01\r\n"
                     "\"typebig\"=hex(100000000):01\r\n"
                     "\"str\"=str:\"abc\"\r\n"
                     "\"deleted\"=-\r\n"
                     "junk line\r\n"
                     "@x=\"y\"\r\n"
                     "\"good\"=\"g\"\r\n"));
}

TEST(ParseRegistryExport, KeepsValuesOnlyUnderUsableSections)
{
    const RegistryExport file = ParseRegistryExport(
        "REGEDIT4\n"
        "\"orphan\"=\"x\"\n"
        "[-HKEY_LOCAL_MACHINE\\Gone]\n"
        "\"deleted\"=\"x\"\n"
        "[]\n"
        "\"unnamed\"=\"x\"\n"
        "[HKEY_LOCAL_MACHINE\\Unclosed\n"
        "\"unclosed\"=\"x\"\n"
        "[HKEY_LOCAL_MACHINE\\Brk]x] \n"
        "\"kept\"=\"x\"\n");
    ASSERT_EQ(1u, file.sections.size());
    EXPECT_EQ("HKEY_LOCAL_MACHINE\\Brk]x", file.sections[0].keyPath);
    EXPECT_EQ("kept=1:x<0>\n", Describe(file.sections[0].values));
}

TEST(ValuesOfKey, MergesTheKeysSectionsAsAnImportWould)
{
    const RegistryExport file = ParseRegistryExport(
        "REGEDIT4\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\FCO]\n"
        "\"456\"=\"01/01/06\"\n"
        "\"Dup\"=\"first\"\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\FCO\\Sub]\n"
        "\"sub\"=\"x\"\n"
        "[hkey_local_machine\\software\\velmora\\fco]\n"
        "\"dup\"=dword:00000002\n"
        "\"457\"=\"02/02/06\"\n");
    EXPECT_EQ("456=1:01/01/06<0>\n"
              "Dup=4:<2><0><0><0>\n"
              "457=1:02/02/06<0>\n",
              Describe(ValuesOfKey(file, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\FCO")));
    EXPECT_EQ("", Describe(ValuesOfKey(file, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora")));

    const RegistryExport fco = ParseRegistryExport(ReadFixture("wine_fco.reg"));
    EXPECT_EQ(8u, ValuesOfKey(fco, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\FCO").size());
}

TEST(HasSection, FindsTheKeyEvenWithoutValuesButNotItsParentOrADeletion)
{
    const RegistryExport empty = ParseRegistryExport(ReadFixture("wine_empty.reg"));
    EXPECT_TRUE(HasSection(empty, "hkey_local_machine\\SOFTWARE\\VELMORA\\Empty"));
    EXPECT_FALSE(HasSection(empty, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora"));
    EXPECT_FALSE(HasSection(ParseRegistryExport("REGEDIT4\n[-HKEY_LOCAL_MACHINE\\K]\n"), "HKEY_LOCAL_MACHINE\\K"));
}

// The FCO key as Windows' registry editor exports it, one value of every type the key can hold.
const char16_t kWindowsExportBody[] =
    u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\FCO]\r\n"
    u"@=\"default\"\r\n"
    u"\"456\"=\"15/07/06\"\r\n"
    u"\"FCO457 remote support\"=\"01/02/06 by engineer\"\r\n"
    u"\"path\"=\"c:\\\\FCObackup\\\\\"\r\n"
    u"\"count\"=dword:00000010\r\n"
    u"\"bin\"=hex:01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,17,\\\r\n"
    u"  18,19,1a\r\n"
    u"\"qword\"=hex(b):01,00,00,00,00,00,00,00\r\n"
    u"\"none\"=hex(0):\r\n"
    u"\r\n";

std::string SingleByte(const std::u16string& text)
{
    return std::string(text.begin(), text.end());
}

TEST(ImportsOnlyKey, AcceptsTheKeyAloneReadAsTheImporterReadsIt)
{
    const std::string fco = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\FCO";
    const std::string fcoSection = "[" + fco + "]\r\n\"456\"=\"01/01/06\"\r\n";
    const std::string run = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run]";
    const struct
    {
        const char* why;
        std::string file;
        bool accepted;
    } files[] = {
        {"the key alone", "REGEDIT4\r\n" + fcoSection, true},
        {"the key, another case, twice", "REGEDIT4\r\n" + fcoSection + "[hkey_local_machine\\software\\velmora\\fco]\r\n", true},
        {"Windows' REGEDIT4 export", SingleByte(u"REGEDIT4\r\n\r\n" + std::u16string(kWindowsExportBody) +
                                                u"[" u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\FCO]\r\n"
                                                u"\"path2\"=hex(2):25,53,79,73,25,00\r\n\"multi\"=hex(7):61,00,62,00,00\r\n"),
         true},
        {"Windows' 5.00 export", Utf16File(u"Windows Registry Editor Version 5.00\r\n\r\n" + std::u16string(kWindowsExportBody) +
                                           u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\FCO]\r\n\"path2\"=hex(2):25,00,53,00,00,00\r\n"
                                           u"\"multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"),
         true},
        {"a real export", ReadFixture("wine_fco.reg"), true},
        {"a subkey", "REGEDIT4\r\n" + fcoSection + "[" + fco + "\\Sub]\r\n", false},
        {"a deleted value", "REGEDIT4\r\n" + fcoSection + "\"457\"=-\r\n", false},
        {"a sibling named alike", "REGEDIT4\r\n" + fcoSection + "[" + fco + "X]\r\n", false},
        {"the parent", "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora]\r\n", false},
        {"the key itself deleted", "REGEDIT4\r\n[-" + fco + "]\r\n" + fcoSection, false},
        {"a section without a usable name", "REGEDIT4\r\n" + fcoSection + "[]\r\n", false},
        {"a section behind a lone CR", "REGEDIT4\r\n" + fcoSection + "; note\r" + run + "\r\"x\"=\"C:\\\\evil.exe\"\r\n", false},
        {"a value before any section", "REGEDIT4\r\n\"x\"=\"y\"\r\n" + fcoSection, false},
        {"a line the reader does not know", "REGEDIT4\r\n" + fcoSection + "# note\r\n", false},
        {"text after a section", "REGEDIT4\r\n[" + fco + "] " + run + "\r\n", false},
        {"a value the importer refuses", "REGEDIT4\r\n" + fcoSection + "\"d\"=dword:000000001\r\n", false},
        {"a zero in a line", "REGEDIT4\r\n" + fcoSection + std::string("\"x\"=\"y\"\0", 8) + run + "\r\n", false},
        {"a control character", "REGEDIT4\r\n" + fcoSection + "\"x\"=\"y\x1A\"\r\n", false},
        {"UTF-16, another key", Utf16File(u"Windows Registry Editor Version 5.00\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\FCO]\r\n"
                                          u"[HKEY_LOCAL_MACHINE\\SYSTEM]\r\n"),
         false},
        // A letter outside ASCII that a narrowing could turn into 'F' names another key.
        {"UTF-16, a look-alike letter", Utf16File(u"Windows Registry Editor Version 5.00\r\n"
                                                  u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\\xFF26CO]\r\n"),
         false},
    };
    for (const auto& file : files)
        EXPECT_EQ(file.accepted, ImportsOnlyKey(ParseRegistryExport(file.file), fco)) << file.why;
}
