// Unit tests of the text rules for batch files: escaping, and which file names may be used.
#include "maintenance/BatchText.h"

#include <gtest/gtest.h>

TEST(EscapeForBatch, DoublesPercentSignsOnly)
{
    EXPECT_EQ("c:\\FCObackup\\a%%b%%%%PATH%%%%c.reg", EscapeForBatch("c:\\FCObackup\\a%b%%PATH%%c.reg"));
    EXPECT_EQ("%%", EscapeForBatch("%"));
    EXPECT_EQ("a&b^c(d)!e f\t\xE9", EscapeForBatch("a&b^c(d)!e f\t\xE9"));
    EXPECT_EQ("", EscapeForBatch(""));
}

TEST(IsValidFileName, AcceptsNamesWindowsCanCreate)
{
    const char* const names[] = {"15-07-06  02-05-09-PM", "a%b&c^d(e)!f g", " leading blank", "a.b",
                                 "caf\xE9", "CONSOLE", "COM10", "COM0", "LPT", "nul1", "x.con", "con_", ".reg"};
    for (const char* name : names)
        EXPECT_TRUE(IsValidFileName(name)) << name;
    EXPECT_TRUE(IsValidFileName(std::string(kMaxBackupFileNameLength, 'n')));
    EXPECT_EQ(242u, kMaxBackupFileNameLength);
}

TEST(IsValidFileName, RefusesNamesWindowsCannotCreate)
{
    const char* const names[] = {"", "a\tb", "a\x1f", "a<b", "a>b", "c:x", "a\"b", "a/b", "a\\b", "a|b",
                                 "a?b", "a*", "trailing blank ", "trailing dot.", ".", "..", "CON", "con",
                                 "Nul.txt", "CON .reg", "aux.b.c", "PRN", "COM1", "com9", "LPT1", "lpt9.x"};
    for (const char* name : names)
        EXPECT_FALSE(IsValidFileName(name)) << name;
    EXPECT_FALSE(IsValidFileName(std::string("a\0b", 3)));
    EXPECT_FALSE(IsValidFileName(std::string(kMaxBackupFileNameLength + 1, 'n')));
}

TEST(BatchLaunchTargetTest, TheWindows95ClassRunsTheFileByNameFromItsOwnFolder)
{
    const BatchLaunchTarget win95 = BatchLaunchTargetFor("c:\\FCObackup\\FCOREG.bat", 1, "C:\\WINDOWS");
    EXPECT_EQ(win95.file, "FCOREG.bat");
    EXPECT_EQ(win95.directory, "c:\\FCObackup\\");
    for (int other : {0, 2, 5, 6, 8}) {
        const BatchLaunchTarget target = BatchLaunchTargetFor("c:\\FCObackup\\FCOREG.bat", other, "C:\\WINDOWS");
        EXPECT_EQ(target.file, "c:\\FCObackup\\FCOREG.bat") << other;
        EXPECT_EQ(target.directory, "C:\\WINDOWS") << other;
    }
}

TEST(RestoreBatchText, ImportsTheEscapedPathAndEnds)
{
    EXPECT_EQ("regedit.exe /s  \"c:\\FCObackup\\Tallyroll_14-03-06  09-05-12-AM.reg\"  \r\n exit",
              RestoreBatchText("c:\\FCObackup\\Tallyroll_14-03-06  09-05-12-AM.reg"));
    EXPECT_EQ("regedit.exe /s  \"c:\\FCObackup\\100%% (a&b).reg\"  \r\n exit",
              RestoreBatchText("c:\\FCObackup\\100% (a&b).reg"));
}
