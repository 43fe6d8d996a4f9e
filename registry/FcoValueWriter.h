// Writing and removing single values of the FCO key, one at a time or many in a row.
#pragma once

#include "registry/RegistryKey.h"

#include <windows.h>

#include <string>

// Creates root\fcoKey when it is missing. TRUE when it existed already, FALSE when it had to be
// created (or could not be).
BOOL EnsureFcoKey(HKEY hRoot, const std::string& fcoKey);

// Each operation opens the key, works and closes it again; between BeginBatch and EndBatch the key
// stays open from one operation to the next. Under Wine opening and closing costs two registry
// round trips beside the one of the write itself, so a walk over a thousand rows is three times
// slower without a batch.
class CFcoValueWriter {
public:
    explicit CFcoValueWriter(HKEY hRoot = HKEY_LOCAL_MACHINE) : m_hRoot(hRoot) {}
    CFcoValueWriter(const CFcoValueWriter&) = delete;
    CFcoValueWriter& operator=(const CFcoValueWriter&) = delete;

    // Stores data as the string value name of fcoKey, creating the key when it is missing. Empty
    // data keeps a string value that exists already; anything else (a missing value, a value of
    // another type) becomes the string. An empty name only makes sure the key exists. TRUE when
    // the key holds the value afterwards, FALSE when the registry refused.
    BOOL WriteValue(const std::string& fcoKey, const std::string& name, const std::string& data);
    // Removes the value name from fcoKey. TRUE when the key holds no such value afterwards (it was
    // removed, there was none, or there is no key), FALSE when the registry refused.
    BOOL DeleteValue(const std::string& fcoKey, const std::string& name);

    void BeginBatch() { ++m_nBatchDepth; }
    void EndBatch();

private:
    // The key open on fcoKey; when it is missing it is created if bCreate, else FALSE.
    BOOL OpenKey(const std::string& fcoKey, BOOL bCreate);
    // Closes the key unless a batch holds it.
    void Release();

    HKEY m_hRoot;
    CRegistryKey m_key;
    std::string m_strOpenKey;
    int m_nBatchDepth = 0;
};

// Holds a writer's key open for the time of a scope.
class CFcoValueBatch {
public:
    explicit CFcoValueBatch(CFcoValueWriter& writer) : m_writer(writer) { m_writer.BeginBatch(); }
    ~CFcoValueBatch() { m_writer.EndBatch(); }
    CFcoValueBatch(const CFcoValueBatch&) = delete;
    CFcoValueBatch& operator=(const CFcoValueBatch&) = delete;

private:
    CFcoValueWriter& m_writer;
};
