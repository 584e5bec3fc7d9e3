#include "cli/CalendarCommands.h"

#include "cli/EdiCommands.h"
#include "core/app/Workspace.h"
#include "core/calendar/BusinessDays.h"
#include "core/calendar/HolidayCalendar.h"
#include "core/calendar/HolidayList.h"
#include "core/calendar/LunarConverter.h"
#include "core/data/TDM1.h"

#include <QFileInfo>

namespace {

const QString DateFormat = QStringLiteral("yyyy-MM-dd");

QDate parseDate(const QString& text)
{
    return QDate::fromString(text, DateFormat);
}

bool coversYear(int year)
{
    return year >= HolidayCalendar::FirstYear && year <= HolidayCalendar::LastYear;
}

// The calendar with the office's own list; a home without a database keeps to the rules, and is told so.
const HolidayCalendar& officeCalendar(CliSession& session)
{
    const WorkingPaths& paths = session.context().paths();
    if (!QFileInfo::exists(paths.dataDir() + WorkingPaths::databaseFileName())
        || !session.context().data().openAndUpgrade())
        session.err() << "no working database: the office's own holiday list is left out" << Qt::endl;
    return session.context().data().holidays();
}

int runCalendar(CliSession& session, const QStringList& arguments)
{
    QList<int> years;
    for (const QString& argument : arguments) {
        bool isNumber = false;
        const int year = argument.toInt(&isNumber);
        if (!isNumber || !coversYear(year)) {
            session.err() << "calendar: a year must be a number from " << HolidayCalendar::FirstYear << " to "
                          << HolidayCalendar::LastYear << ", not \"" << argument << '"' << Qt::endl;
            return 2;
        }
        years << year;
    }
    if (years.isEmpty()) {
        session.err() << "calendar: give a year" << Qt::endl;
        return 2;
    }
    const HolidayCalendar& holidays = officeCalendar(session);
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
    const BusinessDays days(officeCalendar(session), session.clock());
    if (!HolidayCalendar::covers(days.ninthBusinessDay())) {
        session.err() << "business-days: the business days after " << session.clock().today().toString(DateFormat)
                      << " fall past the calendar's last year " << HolidayCalendar::LastYear << Qt::endl;
        return 1;
    }
    session.out() << days.nextBusinessDay().toString(DateFormat) << '\n'
                  << days.ninthBusinessDay().toString(DateFormat) << Qt::endl;
    return 0;
}

int printHolidayYear(CliSession& session, int year)
{
    for (const HolidayList::Day& day : HolidayList(session.context()).year(year)) {
        session.out() << day.date.toString(DateFormat) << '\t' << HolidayList::sourceName(day.source) << '\t'
                      << day.name << '\n';
    }
    session.out().flush();
    return 0;
}

int runHoliday(CliSession& session, const QStringList& arguments)
{
    const QString action = arguments.value(0);
    const QDate date = parseDate(arguments.value(1));
    bool isYear = false;
    const int year = arguments.value(1).toInt(&isYear);
    const bool valid = (action == QLatin1String("add") && arguments.size() == 3 && date.isValid())
        || ((action == QLatin1String("remove") || action == QLatin1String("restore")) && arguments.size() == 2
            && date.isValid())
        || (action == QLatin1String("list") && (arguments.size() == 1 || (arguments.size() == 2 && isYear)));
    if (!valid) {
        session.err() << "holiday: expected add YYYY-MM-DD NAME | remove YYYY-MM-DD | restore YYYY-MM-DD | list "
                         "[YEAR], not \""
                      << arguments.join(' ') << '"' << Qt::endl;
        return 2;
    }
    if (action == QLatin1String("list") && arguments.size() == 2 && !coversYear(year)) {
        session.err() << "holiday: a year must be a number from " << HolidayCalendar::FirstYear << " to "
                      << HolidayCalendar::LastYear << ", not \"" << arguments.at(1) << '"' << Qt::endl;
        return 2;
    }
    if (!openWorkingData(session))
        return 1;
    if (action == QLatin1String("list"))
        return printHolidayYear(session, arguments.size() == 2 ? year : session.clock().today().year());
    HolidayList list(session.context());
    const bool done = action == QLatin1String("add") ? list.add(date, arguments.at(2))
        : action == QLatin1String("remove")          ? list.remove(date)
                                                     : list.restore(date);
    return done ? 0 : 1;
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
        { QStringLiteral("holiday"),
            QStringLiteral("holiday add YYYY-MM-DD NAME | remove YYYY-MM-DD | restore YYYY-MM-DD | list [YEAR]\n"
                           "    the office's own holidays; list prints date, added|removed|rule, name"),
            runHoliday },
    };
}
