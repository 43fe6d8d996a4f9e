// A working folder for one scenario under C:\e2e\, made with given files and removed afterwards.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace e2e {

struct ScratchFile {
    std::string name;
    std::string content;
};

class ScratchFolder {
public:
    // Any leftover folder of the same name (from an aborted run) is removed first.
    ScratchFolder(const std::string& name, const std::vector<ScratchFile>& files = {});
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Name() const { return m_name; }
    // Without a trailing backslash, as a current directory is given.
    const std::string& Path() const { return m_path; }
    std::string PathOf(const std::string& fileName) const;
    bool Ready() const { return m_ready; }
    std::vector<std::string> FileNames() const;

    static const char* Root() { return "C:\\e2e"; }

private:
    std::string m_name;
    std::string m_path;
    bool m_ready = false;
};

} // namespace e2e
