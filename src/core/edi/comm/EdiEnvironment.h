#pragma once

#include "core/edi/comm/EdiSettings.h"

class Workspace;
class EdiComm32;

// The communication settings as the rest of the program sees them: the start-up sequence, the working
// paths and login ID taken from them, and what follows the module's settings dialog.
class EdiEnvironment {
public:
    explicit EdiEnvironment(Workspace& context);

    EdiSettings settings() const;

    // Once when the program loads: read what is stored, write it back with defaults for everything missing
    // (this creates the keys on a first run), then create the three exchange directories.
    bool startUp() const;
    // When the main window is created: with readable settings, create the working directories; when the
    // settings can be written back, refresh the working paths.
    bool prepareWorkingPaths() const;
    // Read the settings; on success the exchange paths, the login ID and the account-check switch follow them.
    bool refreshWorkingPaths() const;
    // "통신 환경 설정": the module's dialog, then the working paths and the terminal program's settings
    // file follow what it stored. False when the dialog gave no success or the settings cannot be read.
    bool runSettingsDialog(EdiComm32& comm) const;
    // The terminal program's line and login settings, its password in clear as that program wants it.
    bool updateTerminalSettings(const TEdiConfig& config) const;

private:
    void applyWorkingPaths(const TEdiConfig& config) const;

    Workspace& m_context;
};
