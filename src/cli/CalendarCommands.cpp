#include "cli/CalendarCommands.h"

#include "core/calendar/BusinessDays.h"
#include "core/calendar/HolidayCalendar.h"
#include "core/calendar/LunarConverter.h"

namespace {

const QString DateFormat = QStringLiteral("yyyy-MM-dd");

QDate parseDate(const QString& text)
{
    return QDate::fromString(text, DateFormat);
}

int runCalendar(CliSession& session, const QStringList& arguments)
{
    QList<int> years;
    for (const QString& argument : arguments) {
        bool isNumber = false;
        const int year = argument.toInt(&isNumber);
        if (!isNumber || year < 1 || year > 9999) {
            session.err() << "calendar: a year must be a number from 1 to 9999, not \"" << argument << '"' << Qt::endl;
            return 2;
        }
        years << year;
    }
    if (years.isEmpty()) {
        session.err() << "calendar: give a year" << Qt::endl;
        return 2;
    }
    // One calendar for all years, so that they share its remembered new moons.
    const HolidayCalendar holidays;
    for (const int year : years) {
        const QDate last(year, 12, 31);
        for (QDate date(year, 1, 1); date <= last; date = date.addDays(1)) {
            if (date.dayOfWeek() < Qt::Saturday && holidays.isHoliday(date))
                session.out() << date.toString(DateFormat) << '\n';
        }
    }
    session.out().flush();
    return 0;
}

int runLunar(CliSession& session, const QStringList& arguments)
{
    const QDate date = parseDate(arguments.value(0));
    if (arguments.size() != 1 || !date.isValid()) {
        session.err() << "lunar: expected one date YYYY-MM-DD, not \"" << arguments.join(' ') << '"' << Qt::endl;
        return 2;
    }
    const LunarDate lunar = LunarConverter().fromSolar(date);
    session.out() << QString::asprintf("%04d-%02d-%02d leap=%d long=%d", lunar.year, lunar.month, lunar.day,
        lunar.leapMonth ? 1 : 0, lunar.longMonth ? 1 : 0)
                  << Qt::endl;
    return 0;
}

int runBusinessDays(CliSession& session, const QStringList& arguments)
{
    if (!arguments.isEmpty()) {
        const QDate today = parseDate(arguments.value(1));
        if (arguments.size() != 2 || arguments.first() != QLatin1String("--today") || !today.isValid()) {
            session.err() << "business-days: expected [--today YYYY-MM-DD], not \"" << arguments.join(' ') << '"'
                          << Qt::endl;
            return 2;
        }
        session.clock().set(QDateTime(today, session.clock().now().time()));
    }
    const HolidayCalendar holidays;
    const BusinessDays days(holidays, session.clock());
    session.out() << days.nextBusinessDay().toString(DateFormat) << '\n'
                  << days.ninthBusinessDay().toString(DateFormat) << Qt::endl;
    return 0;
}

} // namespace

QList<CliCommand> calendarCommands()
{
    return {
        { QStringLiteral("calendar"),
            QStringLiteral("calendar YEAR [YEAR...]    the holidays that fall on a weekday, one YYYY-MM-DD a line"),
            runCalendar },
        { QStringLiteral("lunar"), QStringLiteral("lunar YYYY-MM-DD    the lunar date: YYYY-MM-DD leap=0|1 long=0|1"),
            runLunar },
        { QStringLiteral("business-days"),
            QStringLiteral("business-days [--today YYYY-MM-DD]    the next and the ninth business day after today"),
            runBusinessDays },
    };
}
