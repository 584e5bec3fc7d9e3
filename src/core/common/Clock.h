#pragma once

#include <QDate>
#include <QDateTime>

// Today and now. Everything that depends on the time of day reads it here.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A clock that stands still until told otherwise (fbctl --now, tests).
class FixedClock : public Clock {
public:
    explicit FixedClock(const QDateTime& now)
        : m_now(now)
    {
    }
    QDateTime now() const override { return m_now; }
    void set(const QDateTime& now) { m_now = now; }

private:
    QDateTime m_now;
};
