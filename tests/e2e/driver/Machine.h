// The machine around the program: the FCO registry keys and the fixed folders it looks at or writes.
#pragma once

#include "tests/e2e/driver/Registry.h"

#include <string>

namespace e2e {

// The product key trees; removing them leaves no probe key, so the FCO key is the default one.
constexpr const char* kVelmoraKey = "SOFTWARE\\Velmora";
constexpr const char* kPalvaneKey = "SOFTWARE\\Palvane";
constexpr const char* kFcoKey = "SOFTWARE\\Velmora\\FCO";

// Fixed paths the program tests or writes at start-up.
constexpr const char* kRemoteSupportService = "C:\\Tovren\\farreach\\bin\\service\\JavaService.exe";
constexpr const char* kBackupUtility = "C:\\Program Files\\Quarra Backup\\QuarraBackup.exe";
constexpr const char* kInstalledProgram = "C:\\Quarra\\Util\\Mendwright\\Mendwright.exe";
constexpr const char* kInstallFolder = "C:\\Quarra\\Util\\Mendwright";
constexpr const char* kBackupFolder = "C:\\FCObackup";

// Today's date as the program writes it into FCO values: dd/mm/yy.
std::string TodayAsFcoDate();

// A machine state for one scenario. The constructor clears every key and folder the program
// touches, then puts back what the options ask for; the destructor clears them all again.
class Machine {
public:
    struct Options {
        // Both present: no start-up warning box and no red information line.
        bool remoteSupportService = true;
        bool backupUtility = true;
        // Present: the start-up copies only the description file, no hidden xcopy of the folder.
        bool installedProgram = true;
    };

    Machine();
    explicit Machine(const Options& options);
    ~Machine();
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    bool Ready() const { return m_ready; }

    bool SetFcoValue(const std::string& name, const std::string& data) const;
    RegistryValues FcoValues() const;
    bool FcoKeyExists() const;

private:
    static void Clear();

    bool m_ready = false;
};

} // namespace e2e
