// The backup folder as the scenarios see it: export files listed and read, older backups put in place.
#include "tests/e2e/driver/BackupFolder.h"

#include "tests/common/Files.h"
#include "tests/e2e/driver/Machine.h"
#include "tests/e2e/driver/Text.h"

#include <sstream>

namespace e2e {

std::vector<std::string> ExportFileNames()
{
    std::vector<std::string> exports;
    for (const std::string& name : ListFolder(kBackupFolder))
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".reg") == 0)
            exports.push_back(name);
    return exports;
}

std::string BackupPath(const std::string& name)
{
    return std::string("c:\\FCObackup\\") + name;
}

std::set<std::string> ExportLines(const std::string& path)
{
    std::string text = ReadWholeFile(path);
    if (text.size() >= 2 && text[0] == '\xFF' && text[1] == '\xFE') {
        std::wstring wide((text.size() - 2) / 2, L'\0');
        for (size_t i = 0; i < wide.size(); ++i)
            wide[i] = (wchar_t)((unsigned char)text[2 + 2 * i] | (unsigned char)text[3 + 2 * i] << 8);
        text = Narrow(wide);
    }
    std::set<std::string> lines;
    std::istringstream in(WithBareLineFeeds(text));
    for (std::string line; std::getline(in, line);)
        lines.insert(line);
    return lines;
}

std::set<std::string> ExportLinesOf(const RegistryValues& values)
{
    std::set<std::string> lines = {"Windows Registry Editor Version 5.00", "", kFcoKeySection};
    for (const auto& value : values)
        lines.insert("\"" + value.first + "\"=\"" + value.second + "\"");
    return lines;
}

bool WriteBackup(const std::string& name, const RegistryValues& values)
{
    std::string text = std::string("REGEDIT4\r\n\r\n") + kFcoKeySection + "\r\n";
    for (const auto& value : values)
        text += "\"" + value.first + "\"=\"" + value.second + "\"\r\n";
    return MakeFolders(kBackupFolder) && WriteWholeFile(BackupPath(name), text);
}

} // namespace e2e
