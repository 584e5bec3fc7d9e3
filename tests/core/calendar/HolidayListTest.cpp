#include "core/calendar/HolidayList.h"
#include "ImportTestHome.h"

#include <gtest/gtest.h>

// A day's name is stored as given or not at all: a line-breaking character or a name wider than its 40 bytes is
// refused, naming the field, and the day stays a working day.
TEST(HolidayList, ANameThatWouldBreakOrNotFitIsRefused)
{
    ImportTestHome home;
    ASSERT_TRUE(home.isOpen());
    HolidayList list(home.context());
    const QString breaks = QStringLiteral("휴일 이름에는 줄바꿈이나 탭 문자를 입력할 수 없습니다.");
    struct Case {
        QString name;
        QString message;
    };
    const Case cases[] = {
        { QStringLiteral("창립\r\n기념일"), breaks },
        { QStringLiteral("창립기념일\t"), breaks },
        { QStringLiteral("창립") + QChar(0), breaks },
        { QStringLiteral("A") + QString(20, QChar(0xAC00)),
            QStringLiteral("휴일 이름은 40바이트(한글 20자)까지 입력할 수 있습니다.") },
    };
    const QDate day(2026, 12, 11);
    for (const Case& c : cases) {
        home.messages.clear();
        EXPECT_FALSE(list.add(day, c.name));
        EXPECT_EQ(home.messages.texts(), QStringList { c.message });
    }
    EXPECT_FALSE(home.context().data().holidays().isHoliday(day));

    ASSERT_TRUE(list.add(day, QString(20, QChar(0xAC00))));
    EXPECT_EQ(home.value("SELECT Name FROM HolidayList WHERE Added = 1 AND Name LIKE '가%'").toString(),
        QString(20, QChar(0xAC00)));
}
