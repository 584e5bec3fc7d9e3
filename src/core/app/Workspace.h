#pragma once

#include "core/common/FirmSettings.h"
#include "core/common/MonthlyLog.h"
#include "core/common/WorkingPaths.h"
#include "core/print/PrintOptions.h"

#include <QHash>

#include <memory>

class Clock;
class Database;
class Desktop;
class EdiModule;
class FileDialogs;
class Messages;
class NoticeSource;
class ProcessList;
class Progress;
class TDM1;

// What every operation of the program shares: the working paths and settings, the data module with the
// working database, the program-wide values and the seams to the outside world. Screens and core classes
// are handed one; nothing looks the database up by its connection name.
class Workspace {
public:
    struct Seams {
        Messages& messages;
        Progress& progress;
        const Clock& clock;
        Desktop& desktop;
        const ProcessList& processes;
        FileDialogs& fileDialogs;
        EdiModule& ediModule;
        NoticeSource& notices;
    };

    Workspace(const WorkingPaths& paths, const Seams& seams);
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    WorkingPaths& paths() { return m_paths; }
    const WorkingPaths& paths() const { return m_paths; }
    Messages& messages() const { return m_seams.messages; }
    Progress& progress() const { return m_seams.progress; }
    const Clock& clock() const { return m_seams.clock; }
    Desktop& desktop() const { return m_seams.desktop; }
    const ProcessList& processes() const { return m_seams.processes; }
    FileDialogs& fileDialogs() const { return m_seams.fileDialogs; }
    EdiModule& ediModule() const { return m_seams.ediModule; }
    NoticeSource& notices() const { return m_seams.notices; }

    // The shared data module; its database is open once the start-up opened it.
    TDM1& data() const { return *m_data; }
    Database& database() const;

    FirmSettings settings() const { return FirmSettings(m_paths.settingsFile()); }
    MonthlyLog log() const { return MonthlyLog(m_paths.programDir(), m_seams.clock); }

    // The application-wide error handler: the error box and an error line in the monthly log.
    void reportError(const QString& text) const;

    const QString& loginId() const { return m_loginId; }
    void setLoginId(const QString& loginId) { m_loginId = loginId; }
    // When off, every account number counts as valid.
    bool accountNumberCheck() const { return m_accountNumberCheck; }
    void setAccountNumberCheck(bool on) { m_accountNumberCheck = on; }
    bool offlineMode() const { return m_offlineMode; }
    void setOfflineMode(bool on) { m_offlineMode = on; }
    // The print options the last confirmed options dialog set.
    PrintOptions& printOptions() { return m_printOptions; }
    // The order (a TransferItems::Order) each kind's item screen last chose, by item table; 0, the key order, until
    // one is chosen. The item screens open in it and the batch printout follows it.
    int itemOrder(const QString& itemTable) const { return m_itemOrders.value(itemTable); }
    void setItemOrder(const QString& itemTable, int order) { m_itemOrders.insert(itemTable, order); }

private:
    WorkingPaths m_paths;
    Seams m_seams;
    std::unique_ptr<TDM1> m_data;
    QString m_loginId;
    bool m_accountNumberCheck = true;
    bool m_offlineMode = false;
    PrintOptions m_printOptions;
    QHash<QString, int> m_itemOrders;
};
