#pragma once

class Workspace;

// What every start lays down in the home before anything else, the first one on an empty home included:
// the working folders, and the communication settings (Registry.ini) read back and written with defaults for
// whatever is missing, with their exchange folders; what a killed backup left is removed. The desktop program and
// fbctl init both start here.
namespace HomeSetup {
enum class Outcome { Done, NoFolders, NoSettings };
Outcome layDown(Workspace& workspace);
} // namespace HomeSetup
