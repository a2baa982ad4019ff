#pragma once

#include <QString>
#include <vector>

// The dispatch of menu commands: one row per command string that opens a screen.
struct DispatchRow {
    const char* command;
    void (*open)();
};

// Every row, in the order of the table.
const std::vector<DispatchRow>& dispatchTable();
// Whether a command (compared exactly) has a row.
bool hasDispatchRow(const QString& command);
// Opens the screen of the row whose command equals `command` exactly (case counts, no trimming).
// Unknown commands do nothing; a failure while opening is passed over. Returns whether a row ran.
bool DispatchCommand(const QString& command);
