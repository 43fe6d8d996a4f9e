// Whether a restored FCO key holds what its export file holds, judged FCO by FCO.
#pragma once

#include "maintenance/RegistryExport.h"
#include "registry/FcoValueRules.h"

#include <map>
#include <string>
#include <vector>

// The FCO identifiers whose presence or date differs between the export file's values of the FCO
// key and the records the normalising pass made of the key as the import left it. The exported
// values are reduced by the same rules, with today's date (dd/mm/yy) for data that holds no date;
// identifiers that reduce to nothing are ignored. Where several values reduce to one identifier,
// the one enumerated last wins, and that order is the system's: an identifier matches when every
// date the key gives it is one the exported values could give it. The records must be those of the
// key as imported, not of a key the pass has rewritten already: the rules are not idempotent
// ("FCOFCO1" becomes "FCO1", which would become "1"). Sorted, each identifier once. leads must be
// the rule the pass used.
std::vector<std::string> FindUnrestoredFcos(const std::vector<RegistryExportValue>& exported,
                                            const std::vector<FcoRecord>& imported, const std::string& today,
                                            const LeadBytes& leads = kSingleByte);
// FindUnrestoredFcos for the key's values as read (value name -> data, read as the program reads
// strings: empty when the value is not REG_SZ), reduced by the rules here.
std::vector<std::string> FindDifferingFcos(const std::vector<RegistryExportValue>& exported,
                                           const std::map<std::string, std::string>& readBack,
                                           const std::string& today, const LeadBytes& leads = kSingleByte);

// True when an import of the file's values (ValuesOfKey) into a key it had emptied wrote nothing:
// the key is missing, or the file gives it at least one value and it holds none of them, by name
// as the registry compares names (ASCII case ignored). The registry editor reports success
// whatever happened, so only the key tells.
bool ImportWroteNothing(const std::vector<RegistryExportValue>& exported, bool keyExists,
                        const std::vector<std::string>& keyValueNames);
