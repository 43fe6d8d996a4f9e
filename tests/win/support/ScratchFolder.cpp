// Throwaway folders for the Windows tests.
#include "tests/win/support/ScratchFolder.h"

#include "tests/common/Files.h"

#include <windows.h>

ScratchFolder::ScratchFolder(const std::string& name) : m_path("C:\\mendwright-tests\\" + name + "\\")
{
    RemoveTree(m_path);
    MakeFolders(m_path.substr(0, m_path.size() - 1));
}

ScratchFolder::~ScratchFolder()
{
    if (!m_previousDirectory.empty())
        ::SetCurrentDirectoryA(m_previousDirectory.c_str());
    RemoveTree(m_path);
}

void ScratchFolder::WriteFile(const std::string& fileName, const std::string& content) const
{
    WriteWholeFile(m_path + fileName, content);
}

void ScratchFolder::MakeFolder(const std::string& folderName) const
{
    ::CreateDirectoryA((m_path + folderName).c_str(), nullptr);
}

void ScratchFolder::Enter()
{
    char current[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, current);
    if (m_previousDirectory.empty())
        m_previousDirectory = current;
    ::SetCurrentDirectoryA(m_path.c_str());
}

std::vector<std::string> ScratchFolder::List() const
{
    return ListFolder(m_path);
}
