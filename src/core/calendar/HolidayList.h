#pragma once

#include <QDate>
#include <QList>
#include <QString>

class Workspace;

// The office's own holiday list, kept in the database so that backups carry it: days added as holidays (election
// days, temporary holidays) and days of the fixed lists removed because the office's bank opens on them. Every
// change is one statement, is logged, and takes effect at once in the workspace's calendar.
class HolidayList {
public:
    enum class Source { Added, Removed, Rule };
    // One weekday of a year's list as the office keeps it.
    struct Day {
        QDate date;
        Source source = Source::Rule;
        QString name;
    };

    explicit HolidayList(Workspace& context);

    // Every weekday holiday of the year by the rules, then changed by the office's list, in date order; removed
    // days stay in the list as removed.
    QList<Day> year(int year) const;
    // False, with a message, for a weekend day, a day that is a holiday already, a blank name, or a name with a
    // line-breaking character or wider than its column.
    bool add(const QDate& date, const QString& name);
    // Takes an added day off the list or removes a holiday of the rules; false, with a message, for a day that
    // is no holiday.
    bool remove(const QDate& date);
    // Gives a removed holiday of the rules back; false, with a message, for a day that was not removed.
    bool restore(const QDate& date);

    static QString sourceName(Source source);

private:
    struct Entry {
        bool found = false;
        bool added = false;
        QString name;
    };

    Entry entry(const QDate& date) const;
    bool ruleHoliday(const QDate& date, QString* name = nullptr) const;
    bool write(const QString& sql, const QVariantList& values, const QString& logLine);
    bool refuse(const QString& text) const;

    Workspace& m_context;
};
