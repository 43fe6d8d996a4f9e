// Throwaway folders for the Windows tests.
#include "tests/win/support/ScratchFolder.h"

#include <windows.h>

#include <algorithm>

namespace {
void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((folder + "*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path + "\\");
            } else {
                ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(path.c_str());
            }
        } while (::FindNextFileA(find, &data));
        ::FindClose(find);
    }
    ::RemoveDirectoryA(folder.c_str());
}
} // namespace

ScratchFolder::ScratchFolder(const std::string& name) : m_path("C:\\mendwright-tests\\" + name + "\\")
{
    ::CreateDirectoryA("C:\\mendwright-tests", nullptr);
    RemoveTree(m_path);
    ::CreateDirectoryA(m_path.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder()
{
    if (!m_previousDirectory.empty())
        ::SetCurrentDirectoryA(m_previousDirectory.c_str());
    RemoveTree(m_path);
}

void ScratchFolder::WriteFile(const std::string& fileName, const std::string& content) const
{
    HANDLE file = ::CreateFileA((m_path + fileName).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    ::WriteFile(file, content.data(), (DWORD)content.size(), &written, nullptr);
    ::CloseHandle(file);
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
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((m_path + "*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = data.cFileName;
            if (name != "." && name != "..")
                names.push_back(name);
        } while (::FindNextFileA(find, &data));
        ::FindClose(find);
    }
    std::sort(names.begin(), names.end());
    return names;
}
