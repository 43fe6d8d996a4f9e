// The version resource of a program file, read through the module the loader finds for its name.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Holds the resource data and, when reading it meant loading the module, that module: both go
// with the object, so a program file read here can be replaced as soon as its text is taken.
class CVersionInfo {
public:
    CVersionInfo() = default;
    ~CVersionInfo();
    CVersionInfo(const CVersionInfo&) = delete;
    CVersionInfo& operator=(const CVersionInfo&) = delete;

    // name is a path or a bare file name; a bare name first finds a module already running under
    // it (the program itself), else the loader's search finds and loads one. FALSE when no module
    // is found or it carries no readable version resource.
    BOOL Read(const std::string& name);
    // TRUE when Read had to load the module itself.
    BOOL ModuleLoaded() const { return m_hLoaded != nullptr; }

    // The first language and code page the resource lists: language in the low 16 bits, code
    // page in the high 16 bits. FALSE when it lists none.
    BOOL QueryTranslation(DWORD& translation) const;
    // An entry of the string block of that language and code page; FALSE when there is none.
    BOOL QueryString(DWORD translation, const char* entry, std::string& text) const;

private:
    void Release();

    std::vector<char> m_data;
    HMODULE m_hLoaded = nullptr;
};
