#pragma once

#include "core/common/FirmSettings.h"
#include "core/common/MonthlyLog.h"
#include "core/common/WorkingPaths.h"

class Clock;
class Desktop;
class Messages;
class ProcessList;
class Progress;

// What every operation of the program shares: the working paths, the program-wide values and the
// seams to the outside world (messages, wait window, clock, desktop, process list).
class AppContext {
public:
    AppContext(const WorkingPaths& paths, Messages& messages, Progress& progress, const Clock& clock,
               Desktop& desktop, const ProcessList& processes);

    WorkingPaths& paths() { return m_paths; }
    const WorkingPaths& paths() const { return m_paths; }
    Messages& messages() const { return m_messages; }
    Progress& progress() const { return m_progress; }
    const Clock& clock() const { return m_clock; }
    Desktop& desktop() const { return m_desktop; }
    const ProcessList& processes() const { return m_processes; }

    FirmSettings settings() const { return FirmSettings(m_paths.settingsFile()); }
    MonthlyLog log() const { return MonthlyLog(m_paths.programDir(), m_clock); }

    // The application-wide error handler: the error box and an error line in the monthly log.
    void reportError(const QString& text) const;

    const QString& loginId() const { return m_loginId; }
    void setLoginId(const QString& loginId) { m_loginId = loginId; }
    // When off, every account number counts as valid.
    bool accountNumberCheck() const { return m_accountNumberCheck; }
    void setAccountNumberCheck(bool on) { m_accountNumberCheck = on; }
    bool offlineMode() const { return m_offlineMode; }
    void setOfflineMode(bool on) { m_offlineMode = on; }

private:
    WorkingPaths m_paths;
    Messages& m_messages;
    Progress& m_progress;
    const Clock& m_clock;
    Desktop& m_desktop;
    const ProcessList& m_processes;
    QString m_loginId;
    bool m_accountNumberCheck = true;
    bool m_offlineMode = false;
};
