// What the benchmarks share: the clock, medians and reports, the FCO key and catalogue they are fed,
// and the start-up of a program timed from outside until its main dialog is visible.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace bench {

constexpr int kRepeats = 5;
// The key the dialog chooses when neither product's probe key exists.
constexpr const char* kDialogFcoKey = "SOFTWARE\\Velmora\\FCO";
constexpr const char* kMachine = "BENCH";

double Seconds(const std::function<void()>& work);
double Median(std::vector<double> samples);
// One line: the median of what is measured beside the median of its baseline, and their ratio.
void Report(const std::string& what, const std::vector<double>& measured, const std::vector<double>& baseline,
            const char* baselineName = "baseline");

// The FCO key as installers leave it: remarks after names and dates, some dates missing. Value i is
// named after FCO i * step of Catalogue's numbering.
void SeedInstallerKey(const char* path, int values, int step = 1);
// Removes the product keys and seeds the dialog's FCO key with values FCOs of a catalogue of rows
// installed, spread evenly; by default every tenth, at most 1,000.
void SeedDialogKey(int rows, int values = 0);
// A description file of rows FCOs, numbered from 00000.
std::string Catalogue(int rows);

// Files whose presence spares the start-up its warnings, so that nothing waits for an answer.
void PlaceEnvironmentFiles();
void RemoveEnvironmentFiles();

// The registry editor started directly, with no batch file or command interpreter, and awaited:
// the cheapest way to export or import the key on this platform.
void RunRegistryEditor(const std::string& arguments);

// The folder of the running benchmark, where Mendwright.exe lies beside it.
std::string ThisFolder();

struct StartUp {
    double seconds = 0;
    SIZE_T peakWorkingSet = 0;
};
// Starts commandLine in folder and polls until its main dialog is visible; then ends it.
StartUp TimeStartUp(const std::string& commandLine, const std::string& folder);

// Standard output (descriptor 1, where the program's pass writes its diagnostics) goes to a file
// for the life of the object, as a redirected console would take it; figures are printed after.
class StdoutToFile {
public:
    StdoutToFile();
    ~StdoutToFile();
    StdoutToFile(const StdoutToFile&) = delete;
    StdoutToFile& operator=(const StdoutToFile&) = delete;

private:
    char m_path[MAX_PATH] = {};
    int m_saved = -1;
};

} // namespace bench
