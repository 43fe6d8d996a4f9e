// Text that goes into the batch files the program runs: escaping, and which names may go there at all.
#include "maintenance/BatchText.h"

namespace
{
char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsDeviceName(const std::string& name)
{
    // Windows looks at the part before the first dot, its trailing blanks ignored.
    std::string base = name.substr(0, name.find('.'));
    base.erase(base.find_last_not_of(' ') + 1);
    for (char& c : base)
        c = AsciiUpper(c);

    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL"};
    for (const char* device : kDevices)
        if (base == device)
            return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
           base[3] >= '1' && base[3] <= '9';
}
}  // namespace

std::string EscapeForBatch(const std::string& text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text)
    {
        if (c == '%')
            escaped += '%';
        escaped += c;
    }
    return escaped;
}

std::string RestoreBatchText(const std::string& importPath)
{
    return "regedit.exe /s  \"" + EscapeForBatch(importPath) + "\"  \r\n exit";
}

bool IsValidFileName(const std::string& name)
{
    if (name.empty() || name.size() > kMaxBackupFileNameLength)
        return false;
    for (const char c : name)
        if (static_cast<unsigned char>(c) < 32 || std::string("<>:\"/\\|?*").find(c) != std::string::npos)
            return false;
    if (name.back() == ' ' || name.back() == '.')
        return false;
    return !IsDeviceName(name);
}

BatchLaunchTarget BatchLaunchTargetFor(const std::string& batchPath, int osVersion, const std::string& windowsFolder)
{
    BatchLaunchTarget target;
    const std::string::size_type slash = batchPath.find_last_of("\\/");
    if (osVersion != 1 || slash == std::string::npos) {
        target.file = batchPath;
        target.directory = windowsFolder;
        return target;
    }
    target.file = batchPath.substr(slash + 1);
    target.directory = batchPath.substr(0, slash + 1);
    return target;
}

bool CommandInterpreterOutrunsPrograms(int osVersion)
{
    return osVersion >= 1 && osVersion <= 3;
}
