#pragma once

#include <functional>

class TfmMain;

// What the main window's creation and first show ask of other subsystems. Every step is optional:
// a step left empty does nothing, so the frame runs before the subsystems behind it exist.
struct StartupServices {
    // Creation (no database yet).
    std::function<int()> readUpgradeSwitch; // the communication setting COM-TYPE, -1 when missing
    std::function<bool()> runUpgradeCheck; // true when an upgrade was started and the program must end
    std::function<void()> terminate; // ends the process at once with exit code 0
    std::function<void()> refreshWorkingPaths; // exchange paths from the communication settings
    std::function<void()> buildHolidayLists;
    std::function<void()> freeHolidayLists;

    // First show.
    std::function<bool()> openAndUpgradeDatabase;
    std::function<bool()> openSharedTables;
    std::function<void()> markRegistry; // AppTypeCode "TRB"
    std::function<void(TfmMain&)> backupAfterUpgrade; // first start after an upgrade
    std::function<void(TfmMain&)> checkEvidenceRequests; // may open the evidence request screen

    // Around data maintenance and at the end.
    std::function<void()> closeDatabase;
};
