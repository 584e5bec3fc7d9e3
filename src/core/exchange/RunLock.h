#pragma once

#include "core/common/HomeFileLock.h"

class WorkingPaths;

// One send/receive run at a time per home: <home>/run.lock, held exclusively for the whole run.
class RunLock {
public:
    explicit RunLock(const WorkingPaths& paths);

    // False at once while another run holds it.
    bool take() { return m_lock.isHeld() || m_lock.take(HomeFileLock::Use::Exclusive, HomeFileLock::giveUpAtOnce); }
    void release() { m_lock.release(); }
    bool isHeld() const { return m_lock.isHeld(); }

    static QString busyMessage() { return QStringLiteral("송수신이 이미 진행중입니다."); }

private:
    HomeFileLock m_lock;
};
