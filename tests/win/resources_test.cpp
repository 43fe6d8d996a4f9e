// The program's resources as Windows loads them: string table, version, manifest, images and templates.
#include "framework/Strings.h"
#include "res/resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {
TEST(StringTable, EveryEntryHoldsItsExactText)
{
    const std::string xcopy = "xcopy  \"%s\\%s\"  C:\\Quarra\\Util\\Mendwright\\  ";
    const std::vector<std::pair<UINT, std::string>> expected = {
        {1, " Tovren Farreach (TFR) isn't installed on the Quarra. \r\n TFR enables supporting the machine "
            "from remote. \r\n\r\n Please order FCO #730-00418B  to install TFR."},
        {101, "&About Tallyroll..."},
        {108, ".\\"},
        {109, "c:\\FCObackup\\"},
        {110, "c:\\FCObackup\\Tallyroll_"},
        {111, "c:\\FCObackup\\FCO"},
        {113, "c:\\FCObackup\\FCORES.bat"},
        {1001, "c:\\FCObackup"},
        {1004, "SOFTWARE\\Palvane\\Projects"},
        {1007, "HKEY_LOCAL_MACHINE\\"},
        {1008, "C:\\Program Files\\Quarra Backup\\QuarraBackup.exe"},
        {1009, "C:\\Tovren\\farreach\\bin\\service\\JavaService.exe"},
        {1010, "Tovren Farreach is not installed on this machine!"},
        {1011, "SOFTWARE\\Velmora\\Pellion"},
        {1012, "Registry needs to be backed up.\r\n Click OK to launch \"Backup and Restore\".\r\n (Verify "
               "you have version 0.5 or higher).\n"},
        {1013, "Please backup the registry with Backup and Restore"},
        {1014, "TFR\\TovrenFarreach.exe"},
        {1016, "C:\\Program Files\\Quarra Backup\\QuarraBackup.exe"},
        {1033, "C:\\Quarra\\Util\\Mendwright\\Mendwright.exe"},
        {1034, xcopy},
        {1035, "C:\\Quarra\\Util\\Mendwright\\"},
        {1036, "regedit.exe /e /s \"%s\" %s    "},
        {1037, xcopy},
        {1038, xcopy},
        {1039, "Mendwright.exe"},
        {1040, "SOFTWARE\\Velmora\\FCO"},
        {1042, "SOFTWARE\\Palvane\\FCO"},
    };
    for (const auto& [id, text] : expected)
        EXPECT_EQ(LoadResString(id), text) << "string " << id;
    EXPECT_EQ(LoadResString(4242), "");
}

std::string ReadVersionString(const char* path, const char* entry)
{
    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path, &handle);
    if (size == 0)
        return "<no version resource>";
    std::vector<char> data(size);
    if (!::GetFileVersionInfoA(path, 0, size, data.data()))
        return "<unreadable>";
    struct Translation {
        WORD language, codePage;
    }* translation = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", (void**)&translation, &length) ||
        length < sizeof(Translation))
        return "<no translation>";
    char query[64];
    wsprintfA(query, "\\StringFileInfo\\%04x%04x\\%s", translation->language, translation->codePage, entry);
    char* text = nullptr;
    if (!::VerQueryValueA(data.data(), query, (void**)&text, &length))
        return "<no " + std::string(entry) + ">";
    return text;
}

TEST(VersionAndManifest, TheProgramSaysVersion110AndAsksForElevation)
{
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    EXPECT_EQ(ReadVersionString(path, "FileVersion"), "1, 10, 0, 0");

    HRSRC manifest = ::FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(manifest, nullptr);
    const char* xml = static_cast<const char*>(::LockResource(::LoadResource(nullptr, manifest)));
    const std::string text(xml, ::SizeofResource(nullptr, manifest));
    EXPECT_NE(text.find("level=\"requireAdministrator\""), std::string::npos);
    // The layout and the self-drawn list were designed for the classic controls.
    EXPECT_EQ(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
}

TEST(Images, TheCheckBoxStripHoldsThreeImagesOnMagenta)
{
    HBITMAP bitmap = (HBITMAP)::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_CHECKBOXES),
                                           IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    ASSERT_NE(bitmap, nullptr);
    BITMAP info = {};
    ::GetObjectA(bitmap, sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, 48);
    EXPECT_EQ(info.bmHeight, 16);

    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    const COLORREF magenta = RGB(255, 0, 255);
    int blankPixels = 0, tickGreen = 0, emptyBoxGreen = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            blankPixels += ::GetPixel(dc, x, y) == magenta;
            emptyBoxGreen += GetGValue(::GetPixel(dc, 16 + x, y)) > 100 && GetRValue(::GetPixel(dc, 16 + x, y)) < 60;
            tickGreen += GetGValue(::GetPixel(dc, 32 + x, y)) > 100 && GetRValue(::GetPixel(dc, 32 + x, y)) < 60;
        }
    }
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::DeleteObject(bitmap);
    EXPECT_EQ(blankPixels, 256);
    EXPECT_EQ(emptyBoxGreen, 0);
    EXPECT_GT(tickGreen, 10);

    EXPECT_NE(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)), nullptr);
}

// Reads a control of a dialog template created without running any program logic.
struct TemplateControl {
    int id;
    const char* className;
    const char* text;
    RECT dialogUnits;
    bool visible;
    bool enabled;
};

INT_PTR CALLBACK BareDialogProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

void ExpectTemplate(UINT templateId, const char* caption, const std::vector<TemplateControl>& controls)
{
    HWND dialog = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), nullptr,
                                       BareDialogProc, 0);
    ASSERT_NE(dialog, nullptr) << "template " << templateId;
    char text[256];
    ::GetWindowTextA(dialog, text, sizeof(text));
    EXPECT_STREQ(text, caption);
    for (const TemplateControl& expected : controls) {
        HWND control = ::GetDlgItem(dialog, expected.id);
        ASSERT_NE(control, nullptr) << "control " << expected.id;
        ::GetClassNameA(control, text, sizeof(text));
        EXPECT_STRCASEEQ(text, expected.className) << "control " << expected.id;
        if (expected.text) {
            ::GetWindowTextA(control, text, sizeof(text));
            EXPECT_STREQ(text, expected.text) << "control " << expected.id;
        }
        // The dialog manager maps position and size separately, each rounded on its own.
        RECT origin = {expected.dialogUnits.left, expected.dialogUnits.top, 0, 0};
        RECT size = {0, 0, expected.dialogUnits.right, expected.dialogUnits.bottom};
        ::MapDialogRect(dialog, &origin);
        ::MapDialogRect(dialog, &size);
        const RECT units = {origin.left, origin.top, origin.left + size.right, origin.top + size.bottom};
        RECT actual;
        ::GetWindowRect(control, &actual);
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        if (expected.id != IDC_COMBO_NAMES) {  // a drop-down's height is its edit field's
            EXPECT_EQ(actual.bottom, units.bottom) << "control " << expected.id;
            EXPECT_EQ(actual.right, units.right) << "control " << expected.id;
        }
        EXPECT_EQ(actual.left, units.left) << "control " << expected.id;
        EXPECT_EQ(actual.top, units.top) << "control " << expected.id;
        const LONG style = ::GetWindowLongA(control, GWL_STYLE);
        EXPECT_EQ((style & WS_VISIBLE) != 0, expected.visible) << "control " << expected.id;
        EXPECT_EQ((style & WS_DISABLED) == 0, expected.enabled) << "control " << expected.id;
    }
    ::DestroyWindow(dialog);
}

TEST(DialogTemplates, MainDialogHoldsEveryControlInItsPlace)
{
    ExpectTemplate(IDD_MAIN, "Mendwright - Version 1.10",
                   {
                       {IDOK, "Button", "&Exit", {364, 105, 62, 16}, true, true},
                       {IDC_BUTTON_SELECT_ALL, "Button", "&Select All", {378, 219, 24, 16}, false, false},
                       {IDC_LIST_FCO, "SysListView32", nullptr, {4, 29, 355, 211}, true, true},
                       {IDC_BUTTON_UPDATE, "Button", "&Update Registry", {364, 67, 62, 16}, true, true},
                       {IDC_BUTTON_REMOVE_ALL, "Button", "&Remove All", {364, 48, 62, 16}, true, true},
                       {IDC_BUTTON_FCO_INFO, "Button", "&FCO Info", {364, 29, 62, 16}, false, true},
                       {IDC_BUTTON_RESTORE, "Button", "Res&tore Registry", {364, 86, 62, 16}, true, true},
                       {IDC_STATIC_MACHINE, "Static", "Static", {7, 12, 348, 11}, true, true},
                       {IDC_BUTTON_FONT, "Button", "Font", {372, 219, 48, 13}, false, false},
                       {IDC_BUTTON_COLOR, "Button", "Color", {377, 205, 48, 13}, false, false},
                       {IDC_STATIC_FCO_DATE, "Static", "Static", {340, 12, 93, 11}, true, true},
                       {IDC_STATIC_INFO, "Static", "Static", {2, 250, 362, 12}, true, true},
                       {IDC_BUTTON1, "Button", "Button1", {364, 215, 11, 21}, false, false},
                       {IDC_BUTTON2, "Button", "Button2", {369, 134, 52, 14}, false, true},
                   });
}

TEST(DialogTemplates, MainDialogListIsAReportViewThatDoesNotSort)
{
    HWND dialog = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                                       BareDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    const LONG style = ::GetWindowLongA(::GetDlgItem(dialog, IDC_LIST_FCO), GWL_STYLE);
    const LONG wanted = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOLABELWRAP | LVS_AUTOARRANGE |
                        LVS_NOSORTHEADER | WS_TABSTOP;
    EXPECT_EQ(style & wanted, wanted);
    // The dialog manager draws a template's plain border as a sunken client edge.
    const LONG listExStyle = ::GetWindowLongA(::GetDlgItem(dialog, IDC_LIST_FCO), GWL_EXSTYLE);
    EXPECT_TRUE((style & WS_BORDER) || (listExStyle & WS_EX_CLIENTEDGE));
    EXPECT_EQ(style & LVS_SORTASCENDING, 0);
    const LONG dialogStyle = ::GetWindowLongA(dialog, GWL_STYLE);
    EXPECT_EQ(dialogStyle & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_NE(dialogStyle & WS_SYSMENU, 0);
    const LONG exStyle = ::GetWindowLongA(dialog, GWL_EXSTYLE);
    EXPECT_NE(exStyle & WS_EX_APPWINDOW, 0);
    EXPECT_NE(exStyle & WS_EX_CLIENTEDGE, 0);
    ::DestroyWindow(dialog);
}

TEST(DialogTemplates, PickerAndAboutBox)
{
    ExpectTemplate(IDD_MACHINE_TYPE, "Machine Type",
                   {
                       {IDC_STATIC_PROMPT, "Static", nullptr, {7, 9, 112, 9}, true, true},
                       {IDC_COMBO_NAMES, "ComboBox", nullptr, {7, 21, 112, 80}, true, true},
                       {IDOK, "Button", "OK", {129, 7, 50, 14}, true, true},
                       {IDCANCEL, "Button", "Cancel", {129, 24, 50, 14}, true, true},
                   });
    ExpectTemplate(IDD_ABOUTBOX, "About Tallyroll", {{IDOK, "Button", "OK", {179, 7, 50, 14}, true, true}});
}
} // namespace
