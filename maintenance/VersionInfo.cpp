// The version resource of a program file, read through the module the loader finds for its name.
#include "maintenance/VersionInfo.h"

#include "framework/Strings.h"

#include <algorithm>

CVersionInfo::~CVersionInfo()
{
    Release();
}

void CVersionInfo::Release()
{
    m_data.clear();
    if (m_hLoaded) {
        ::FreeLibrary(m_hLoaded);
        m_hLoaded = nullptr;
    }
}

BOOL CVersionInfo::Read(const std::string& name)
{
    Release();
    HMODULE hModule = ::GetModuleHandleA(name.c_str());
    if (!hModule) {
        m_hLoaded = ::LoadLibraryA(name.c_str());
        hModule = m_hLoaded;
    }
    if (!hModule)
        return FALSE;

    char path[MAX_PATH] = "";
    const DWORD length = ::GetModuleFileNameA(hModule, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return FALSE;
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0)
        return FALSE;
    m_data.assign(size, '\0');
    if (!::GetFileVersionInfoA(path, 0, size, m_data.data())) {
        m_data.clear();
        return FALSE;
    }
    return TRUE;
}

BOOL CVersionInfo::QueryTranslation(DWORD& translation) const
{
    void* value = nullptr;
    UINT length = 0;
    if (m_data.empty() ||
        !::VerQueryValueA(m_data.data(), "\\VarFileInfo\\Translation", &value, &length) ||
        length < sizeof(DWORD) || !value)
        return FALSE;
    const WORD* pair = static_cast<const WORD*>(value);
    translation = MAKELONG(pair[0], pair[1]);
    return TRUE;
}

BOOL CVersionInfo::QueryString(DWORD translation, const char* entry, std::string& text) const
{
    const std::string query = FormatString("\\StringFileInfo\\%04x%04x\\%s", LOWORD(translation),
                                           HIWORD(translation), entry);
    void* value = nullptr;
    UINT length = 0;
    if (m_data.empty() || !::VerQueryValueA(m_data.data(), query.c_str(), &value, &length) || !value)
        return FALSE;
    // The length counts the terminating zero where the resource has one; not every resource does.
    const char* begin = static_cast<const char*>(value);
    text.assign(begin, std::find(begin, begin + length, '\0'));
    return TRUE;
}
