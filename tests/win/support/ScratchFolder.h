// A throwaway folder with given files, optionally the current directory while it lives.
#pragma once

#include <string>
#include <utility>
#include <vector>

class ScratchFolder {
public:
    // Makes C:\mendwright-tests\<name>\ afresh.
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's path, ending in a backslash.
    const std::string& Path() const { return m_path; }
    void WriteFile(const std::string& fileName, const std::string& content = std::string()) const;
    void MakeFolder(const std::string& folderName) const;
    // Makes it the current directory until the object goes.
    void Enter();
    // Every entry's name, sorted.
    std::vector<std::string> List() const;

private:
    std::string m_path;
    std::string m_previousDirectory;
};
