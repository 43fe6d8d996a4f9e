// Filling the FCO list: its five columns and one row per catalogue FCO, ticked where installed.
#pragma once

#include "listctrl/ListCtrlFco.h"

#include <string>

// Room beside the last column for the list's vertical scroll bar, in pixels at 96 DPI.
const int kFcoScrollBarRoom = 19;

// Creates the Status, FCO, Component/Activity, Installation Date and Description columns, sized
// by their share of the list's width, and loads the list's check-box images. Description takes
// what the others and scrollBarRoom leave, if anything.
void InsertFcoColumns(CListCtrlFco& list, int scrollBarRoom);

// Appends the row of one FCO: a check box in Status (ticked when installed), the identifier and
// component in black on white, the installation date, and the description wrapped every 80
// characters. Answers the row's index, -1 when it could not be added.
int AppendFcoRow(CListCtrlFco& list, const std::string& identifier, const std::string& component,
                 const std::string& description, BOOL installed, const std::string& date);

// Whether the FCO key (below HKEY_LOCAL_MACHINE) holds identifier as a string value, read live
// from the registry; date receives its data. A missing key leaves date as it was.
BOOL IsFcoInRegistry(const std::string& fcoKey, const std::string& identifier, std::string& date);
