// Writing and removing single values of the FCO key, one at a time or many in a row.
#include "registry/FcoValueWriter.h"

BOOL EnsureFcoKey(HKEY hRoot, const std::string& fcoKey)
{
    CRegistryKey key;
    if (key.Open(hRoot, fcoKey))
        return TRUE;
    key.Create(hRoot, fcoKey);
    return FALSE;
}

BOOL CFcoValueWriter::WriteValue(const std::string& fcoKey, const std::string& name, const std::string& data)
{
    if (!OpenKey(fcoKey, TRUE)) {
        Release();
        return FALSE;
    }
    BOOL stored = TRUE;
    if (!name.empty()) {
        // With data to write, whatever the value held is replaced, so there is nothing to ask first.
        std::string existing;
        if (!data.empty() || !m_key.QueryString(existing, name))
            stored = m_key.SetString(data, name);
    }
    Release();
    return stored;
}

BOOL CFcoValueWriter::DeleteValue(const std::string& fcoKey, const std::string& name)
{
    if (!OpenKey(fcoKey, FALSE))
        return TRUE;
    const LONG result = ::RegDeleteValueA(m_key.m_hKey, name.c_str());
    Release();
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

void CFcoValueWriter::EndBatch()
{
    if (m_nBatchDepth > 0 && --m_nBatchDepth == 0)
        Release();
}

BOOL CFcoValueWriter::OpenKey(const std::string& fcoKey, BOOL bCreate)
{
    if (m_key.m_hKey && m_strOpenKey == fcoKey)
        return TRUE;
    m_strOpenKey.clear();
    if (!m_key.Open(m_hRoot, fcoKey) && !(bCreate && m_key.Create(m_hRoot, fcoKey)))
        return FALSE;
    m_strOpenKey = fcoKey;
    return TRUE;
}

void CFcoValueWriter::Release()
{
    if (m_nBatchDepth == 0) {
        m_key.Close();
        m_strOpenKey.clear();
    }
}
