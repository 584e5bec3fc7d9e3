#include "core/calendar/HolidayList.h"

#include "core/app/Workspace.h"
#include "core/common/FieldText.h"
#include "core/common/Messages.h"
#include "core/data/Database.h"
#include "core/data/SqlValue.h"
#include "core/data/SqliteStatement.h"
#include "core/data/TDM1.h"
#include "core/data/TableCatalogue.h"

#include <algorithm>

HolidayList::HolidayList(Workspace& context)
    : m_context(context)
{
}

QList<HolidayList::Day> HolidayList::year(int year) const
{
    QList<Day> days;
    for (const HolidayCalendar::Holiday& holiday : m_context.data().holidays().ruleHolidays(year))
        days << Day { holiday.date, Source::Rule, holiday.name };
    SqliteStatement list(m_context.database(),
        QStringLiteral("SELECT HDate, Added, Name FROM HolidayList WHERE HDate BETWEEN ? AND ? ORDER BY HDate"));
    list.select({ SqlValue::stored(QDate(year, 1, 1)), SqlValue::stored(QDate(year, 12, 31)) });
    while (list.next()) {
        const Day day { SqlValue::date(list.value(0)), list.integer(1) != 0 ? Source::Added : Source::Removed,
            list.text(2) };
        const auto same = std::find_if(days.begin(), days.end(), [&](const Day& d) { return d.date == day.date; });
        if (same != days.end())
            *same = day;
        else if (day.date.dayOfWeek() < Qt::Saturday)
            days << day;
    }
    std::sort(days.begin(), days.end(), [](const Day& a, const Day& b) { return a.date < b.date; });
    return days;
}

bool HolidayList::add(const QDate& date, const QString& name)
{
    if (!date.isValid())
        return refuse(QStringLiteral("날짜가 올바르지 않습니다."));
    if (date.dayOfWeek() >= Qt::Saturday)
        return refuse(QStringLiteral("토요일과 일요일은 이미 휴일입니다."));
    const Entry stored = entry(date);
    if (stored.found && !stored.added)
        return refuse(QStringLiteral("%1은(는) 휴일에서 뺀 날입니다. 다시 휴일로 하려면 되살리십시오.")
                          .arg(date.toString(Qt::ISODate)));
    if (stored.found || ruleHoliday(date))
        return refuse(QStringLiteral("%1은(는) 이미 휴일입니다.").arg(date.toString(Qt::ISODate)));
    if (name.trimmed().isEmpty())
        return refuse(QStringLiteral("휴일 이름을 입력하십시오."));
    const QString label = QStringLiteral("휴일 이름");
    if (FieldText::breaksLine(name))
        return refuse(FieldText::breaksLineMessage(label));
    if (const QString refused = FieldText::refusal(label, name.trimmed(),
            TableCatalogue::instance().width(QStringLiteral("HolidayList"), QStringLiteral("Name")));
        !refused.isEmpty())
        return refuse(refused);
    return write(QStringLiteral("INSERT INTO HolidayList (HDate, Added, Name) VALUES (?, 1, ?)"),
        { date, name.trimmed() }, QStringLiteral("휴일 추가 %1 %2").arg(date.toString(Qt::ISODate), name.trimmed()));
}

bool HolidayList::remove(const QDate& date)
{
    const Entry stored = entry(date);
    if (stored.found && stored.added)
        return write(QStringLiteral("DELETE FROM HolidayList WHERE HDate = ?"), { date },
            QStringLiteral("휴일 삭제 %1 %2").arg(date.toString(Qt::ISODate), stored.name));
    QString name;
    if (stored.found || date.dayOfWeek() >= Qt::Saturday || !ruleHoliday(date, &name))
        return refuse(QStringLiteral("%1은(는) 뺄 수 있는 휴일이 아닙니다.").arg(date.toString(Qt::ISODate)));
    return write(QStringLiteral("INSERT INTO HolidayList (HDate, Added, Name) VALUES (?, 0, ?)"), { date, name },
        QStringLiteral("휴일 제외 %1 %2").arg(date.toString(Qt::ISODate), name));
}

bool HolidayList::restore(const QDate& date)
{
    const Entry stored = entry(date);
    if (!stored.found || stored.added)
        return refuse(QStringLiteral("%1은(는) 휴일에서 뺀 날이 아닙니다.").arg(date.toString(Qt::ISODate)));
    return write(QStringLiteral("DELETE FROM HolidayList WHERE HDate = ?"), { date },
        QStringLiteral("휴일 복원 %1 %2").arg(date.toString(Qt::ISODate), stored.name));
}

QString HolidayList::sourceName(Source source)
{
    switch (source) {
    case Source::Added:
        return QStringLiteral("added");
    case Source::Removed:
        return QStringLiteral("removed");
    case Source::Rule:
        break;
    }
    return QStringLiteral("rule");
}

HolidayList::Entry HolidayList::entry(const QDate& date) const
{
    SqliteStatement query(m_context.database(), QStringLiteral("SELECT Added, Name FROM HolidayList WHERE HDate = ?"));
    Entry found;
    if (query.select({ SqlValue::stored(date) }) && query.next())
        found = { true, query.integer(0) != 0, query.text(1) };
    return found;
}

bool HolidayList::ruleHoliday(const QDate& date, QString* name) const
{
    for (const HolidayCalendar::Holiday& holiday : m_context.data().holidays().ruleHolidays(date.year())) {
        if (holiday.date == date) {
            if (name)
                *name = holiday.name;
            return true;
        }
    }
    return false;
}

bool HolidayList::write(const QString& sql, const QVariantList& values, const QString& logLine)
{
    Database& database = m_context.database();
    if (!database.exec(sql, values)) {
        m_context.reportError(database.lastError());
        return false;
    }
    m_context.log().append(logLine);
    m_context.data().loadHolidays();
    return true;
}

bool HolidayList::refuse(const QString& text) const
{
    m_context.messages().information(text);
    return false;
}
