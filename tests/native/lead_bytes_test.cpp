// The text rules under code page 932, where '@' is also the second byte of characters.
#include "descriptions/DescriptionSyntax.h"
#include "maintenance/VersionCompare.h"
#include "registry/FcoValueRules.h"
#include "registry/Token.h"
#include "registry/WrapText.h"
#include "tooltip/TipText.h"

#include <gtest/gtest.h>

namespace {
const LeadBytes kCodePage932 = LeadBytes().Add(0x81, 0x9F).Add(0xE0, 0xFC);
// One character, 0x89 0x40: its second byte is '@'.
const std::string kIn = "\x89\x40";

struct TextCase {
    const char* rule;
    std::string got;
    std::string expected;
};

TEST(CodePage932, TextIsSplitWrappedAndCutBetweenCharacters)
{
    const std::string line = "456@Head " + kIn + "@Firmware 2.4";
    const std::string full80(80, 'x');
    const TextCase cases[] = {
        {"GetToken: field 1 ends at the separator after the character", GetToken(line, 1, '@', kCodePage932),
         "Head " + kIn},
        {"GetToken: field 2", GetToken(line, 2, '@', kCodePage932), "Firmware 2.4"},
        {"GetToken: a single-byte code page splits at every '@'", GetToken(line, 2, '@'), ""},
        {"description line", ParseDescriptionText("d\n" + line, kCodePage932).rows.at(0).description, "Firmware 2.4"},
        {"date line", FileDateOfText("15/07/06 " + kIn + "@QX-200\n", kCodePage932), "15/07/06 " + kIn},
        // A lead byte takes the byte after it, as CharNextA steps: the blank at 81 is no blank.
        {"80-column wrap", WrapText80(full80 + "\x81 y z", kCodePage932), full80 + "\x81 y\nz"},
        {"80-column wrap, single-byte", WrapText80(full80 + "\x81 y z"), full80 + "\x81\ny\nz"},
        {"4,999 cut", kCodePage932.Cut(std::string(4998, 'w') + kIn + "w", 4999), std::string(4998, 'w')},
        {"cut of a text that fits", kCodePage932.Cut("ab" + kIn, 79), "ab" + kIn},
        {"80-character tip buffer without terminator", TextOfBuffer((full80 + kIn).c_str(), 81, kCodePage932),
         full80},
        {"date data of 8 bytes", NormaliseFcoValue("456", "15/07/0" + kIn, "01/01/06", kCodePage932).szDate,
         "15/07/0"},
        {"two-page split, page 0", PageText(kIn + "\rB", 0, kCodePage932), kIn + "  "},
        {"a carriage return ending a character is no page break", PageText("A\x81\rB", 1, kCodePage932),
         "A\x81\rB"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(c.expected, c.got) << c.rule;
}
} // namespace
