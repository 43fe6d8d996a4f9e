/* Stores the test keys whose registry-editor exports are the parser's fixtures: every value type,
   odd strings, a long name, a subkey, and an FCO key as installers leave it. */
#include <windows.h>
#include <stdio.h>
#include <string.h>

static HKEY key;
static int failures;

static void Set(const wchar_t* name, DWORD type, const void* data, DWORD size)
{
    if (RegSetValueExW(key, name, 0, type, (const BYTE*)data, size) != ERROR_SUCCESS) {
        printf("cannot store %ls\n", name ? name : L"(default)");
        ++failures;
    }
}

/* With its terminating zero, as programs normally store text. */
static void SetText(const wchar_t* name, DWORD type, const wchar_t* text)
{
    Set(name, type, text, (DWORD)(wcslen(text) + 1) * sizeof(wchar_t));
}

static void StoreTypes(void)
{
    wchar_t longName[256];
    BYTE bytes[200];
    DWORD number;
    unsigned long long quad = 0x0102030405060708ULL;
    HKEY sub;
    int i;

    SetText(NULL, REG_SZ, L"default data");
    SetText(L"plain", REG_SZ, L"data");
    SetText(L"quotes", REG_SZ, L"say \"hi\"");
    SetText(L"backslash", REG_SZ, L"c:\\FCObackup\\x\\");
    SetText(L"linefeed", REG_SZ, L"a\nb");
    SetText(L"crlf", REG_SZ, L"a\r\nb");
    SetText(L"tab", REG_SZ, L"a\tb");
    SetText(L"empty", REG_SZ, L"");
    Set(L"emptynozero", REG_SZ, L"", 0);
    Set(L"noterm", REG_SZ, L"abc", 3 * sizeof(wchar_t));
    Set(L"midnull", REG_SZ, L"ab\0cd", 6 * sizeof(wchar_t));
    SetText(L"name \"q\" \\b", REG_SZ, L"v");
    SetText(L"eq=sign]x", REG_SZ, L"[x]");
    SetText(L"nl\nname", REG_SZ, L"v");
    SetText(L"latin", REG_SZ, L"caf\x00e9 \x00fc");
    SetText(L"wide", REG_SZ, L"x\x4e2dy\x20acz");
    SetText(L"FCO456 remote support", REG_SZ, L"15/07/06 by engineer");
    SetText(L"expand", REG_EXPAND_SZ, L"%SystemRoot%\\x");
    Set(L"multi", REG_MULTI_SZ, L"a\0bc\0\0", 7 * sizeof(wchar_t));
    Set(L"multiempty", REG_MULTI_SZ, L"\0", sizeof(wchar_t));
    number = 0x12345678;
    Set(L"dword", REG_DWORD, &number, sizeof number);
    number = 0;
    Set(L"dwordzero", REG_DWORD, &number, sizeof number);
    bytes[0] = 1; bytes[1] = 2; bytes[2] = 0xff;
    Set(L"binary", REG_BINARY, bytes, 3);
    Set(L"binaryempty", REG_BINARY, bytes, 0);
    for (i = 0; i < 200; ++i)
        bytes[i] = (BYTE)i;
    Set(L"binarylong", REG_BINARY, bytes, 200);
    Set(L"qword", 11 /* REG_QWORD */, &quad, sizeof quad);
    Set(L"none", REG_NONE, "\x01\x02", 2);
    Set(L"oddtype", 0x12345, "\x05", 1);
    for (i = 0; i < 255; ++i)
        longName[i] = (wchar_t)(L'a' + i % 26);
    longName[255] = 0;
    SetText(longName, REG_SZ, L"15/07/06");

    if (RegCreateKeyW(key, L"Sub Key", &sub) != ERROR_SUCCESS) {
        ++failures;
        return;
    }
    RegSetValueExW(sub, L"inner", 0, REG_SZ, (const BYTE*)L"1", 2 * sizeof(wchar_t));
    RegCloseKey(sub);
}

static void StoreFco(void)
{
    DWORD number = 5;
    SetText(L"FCO456 remote support", REG_SZ, L"15/07/06 by engineer");
    SetText(L"456", REG_SZ, L"01/08/06");
    SetText(L"457", REG_SZ, L"yes");
    SetText(L"458", REG_SZ, L"15/07/2006");
    SetText(L"459", REG_SZ, L"2006-07-15");
    SetText(L"460", REG_SZ, L"03/03/06");
    SetText(L"FCO", REG_SZ, L"03/03/06");
    Set(L"461", REG_DWORD, &number, sizeof number);
}

/* fixture_keys KEY types|fco|empty: creates HKLM\KEY afresh and fills it. */
int main(int argc, char** argv)
{
    wchar_t path[260];
    if (argc != 3)
        return 2;
    MultiByteToWideChar(CP_ACP, 0, argv[1], -1, path, 260);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, path);
    if (RegCreateKeyW(HKEY_LOCAL_MACHINE, path, &key) != ERROR_SUCCESS)
        return 1;
    if (strcmp(argv[2], "types") == 0)
        StoreTypes();
    else if (strcmp(argv[2], "fco") == 0)
        StoreFco();
    RegCloseKey(key);
    return failures ? 1 : 0;
}
