#pragma once

#include <functional>

// The boundaries of a restore or a reorganisation where an interruption must leave a usable database.
enum class MaintenanceStep {
    Extracted, // the archive is unpacked beside the data
    Checked, // the unpacked database passed its checks
    TableCopied, // one more table is in the new database (not yet committed)
    CopyKept, // the replaced database is kept in the temporary folder
    Renamed, // the new database is in place
};

// Called at each boundary; false stops the work right there, leaving every file as it is, as an interrupted
// program would.
using MaintenanceSteps = std::function<bool(MaintenanceStep)>;
