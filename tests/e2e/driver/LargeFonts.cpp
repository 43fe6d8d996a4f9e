// Windows' large fonts (120 DPI) for the programs started while the object lives.
#include "tests/e2e/driver/LargeFonts.h"

#include "tests/common/Files.h"

#include <string>

namespace e2e {

namespace {
const char kDesktopKey[] = "Control Panel\\Desktop";
const char kLogPixels[] = "LogPixels";
// Wine's bitmap MS Sans Serif of both sizes, from its fonts-wine package.
const char kWineFonts[] = "Z:\\usr\\share\\wine\\fonts\\";
const char kStandardFont[] = "sserife.fon";
const char kLargeFont[] = "sseriff.fon";

std::string FontsFolder()
{
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, sizeof(windows));
    return JoinPath(windows, "Fonts");
}

// The font of one size in the Fonts folder and the other gone: with both, Wine gives the dialog
// units no Windows has.
bool UseFont(const char* wanted, const char* unwanted)
{
    const std::string fonts = FontsFolder();
    ::DeleteFileA(JoinPath(fonts, unwanted).c_str());
    ::CopyFileA((std::string(kWineFonts) + wanted).c_str(), JoinPath(fonts, wanted).c_str(), FALSE);
    return PathExists(JoinPath(fonts, wanted)) && !PathExists(JoinPath(fonts, unwanted));
}
} // namespace

LargeFonts::LargeFonts()
{
    HKEY key = nullptr;
    if (::RegCreateKeyA(HKEY_CURRENT_USER, kDesktopKey, &key) != ERROR_SUCCESS)
        return;
    DWORD type = 0;
    DWORD size = sizeof(m_logPixels);
    m_hadLogPixels = ::RegQueryValueExA(key, kLogPixels, nullptr, &type, reinterpret_cast<BYTE*>(&m_logPixels),
                                        &size) == ERROR_SUCCESS && type == REG_DWORD;
    const DWORD large = 120;
    m_ready = ::RegSetValueExA(key, kLogPixels, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&large),
                               sizeof(large)) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    m_ready = UseFont(kLargeFont, kStandardFont) && m_ready;
}

LargeFonts::~LargeFonts()
{
    UseFont(kStandardFont, kLargeFont);
    HKEY key = nullptr;
    if (::RegOpenKeyA(HKEY_CURRENT_USER, kDesktopKey, &key) != ERROR_SUCCESS)
        return;
    if (m_hadLogPixels)
        ::RegSetValueExA(key, kLogPixels, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&m_logPixels),
                         sizeof(m_logPixels));
    else
        ::RegDeleteValueA(key, kLogPixels);
    ::RegCloseKey(key);
}

} // namespace e2e
