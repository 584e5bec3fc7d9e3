#pragma once

#include "core/maintenance/SystemStorage.h"

#include <functional>

class TfmMain;
class Workspace;

// The main window's side of backup, restore and reorganisation: the database closed around the work and
// reopened whatever it did, completion told only when every step went through. Restore and reorganisation wait a
// few seconds for fbctl commands that write, and are refused while one still does.
class MaintenanceCommands {
public:
    explicit MaintenanceCommands(TfmMain& window);

    // "자료받기 (PC로 저장.백업)"; true when the backup completed.
    bool backup();
    // "자료복구 (불러오기)": restore, reorganisation of the restored data, open and upgrade.
    void restore();
    // "자료 재정리", offering a backup first.
    void reorganise();
    // The first start after an upgrade: an unattended backup under AUTODB_BACKUP, then the user's own.
    void backupAfterUpgrade();

private:
    // The work with the data lock held exclusively and the database closed.
    bool replacing(const std::function<bool()>& work);

    TfmMain& m_window;
    Workspace& m_workspace;
    SystemStorage m_storage;
};
