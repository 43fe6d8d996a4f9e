// A working folder for one scenario under C:\e2e\, made with given files and removed afterwards.
#include "tests/e2e/driver/ScratchFolder.h"

#include "tests/common/Files.h"

#include <windows.h>

namespace e2e {

ScratchFolder::ScratchFolder(const std::string& name, const std::vector<ScratchFile>& files)
    : m_name(name), m_path(JoinPath(Root(), name))
{
    RemoveTree(m_path);
    m_ready = MakeFolders(m_path);
    for (const ScratchFile& file : files)
        m_ready = WriteWholeFile(PathOf(file.name), file.content) && m_ready;
}

ScratchFolder::~ScratchFolder()
{
    RemoveTree(m_path);
    // The shared root goes too once the last scenario folder is gone; a non-empty root stays.
    ::RemoveDirectoryA(Root());
}

std::string ScratchFolder::PathOf(const std::string& fileName) const
{
    return JoinPath(m_path, fileName);
}

std::vector<std::string> ScratchFolder::FileNames() const
{
    return ListFolder(m_path);
}

} // namespace e2e
