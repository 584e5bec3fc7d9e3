#include "core/spreadsheet/SpreadsheetSave.h"
#include "TestHome.h"
#include "core/spreadsheet/ConsentTemplate.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// The user chooses where the workbook goes; it is opened when written, else a box names it; a failure says why.
TEST(SpreadsheetSave, AsksWritesAndOpens)
{
    struct Case {
        const char* chosen; // relative to the home; empty: cancelled
        bool opens;
        bool saved;
        const char* shownKind; // the message shown, empty for none
    };
    const Case cases[] = {
        { "", true, false, "" },
        { "out.xlsx", true, true, "" },
        { "out.xlsx", false, true, "information" },
        { "missing/out.xlsx", true, false, "error" },
    };
    for (const Case& c : cases) {
        TestHome home;
        const QString path = QString::fromUtf8(c.chosen).isEmpty() ? QString() : home.path(QString::fromUtf8(c.chosen));
        home.fileDialogs.toSave = path;
        home.desktop.opens = c.opens;
        const bool saved
            = SpreadsheetSave::run(home.context(), QStringLiteral("출금동의신청.xlsx"), ConsentTemplate::write);
        EXPECT_EQ(saved, c.saved) << c.chosen;
        EXPECT_EQ(home.fileDialogs.startedIn, QStringList { home.path("출금동의신청.xlsx") });
        EXPECT_EQ(QFile::exists(path), c.saved) << c.chosen;
        EXPECT_EQ(home.desktop.opened, saved ? QStringList { path } : QStringList()) << c.chosen;
        const QString shown = home.messages.shown().isEmpty() ? QString() : home.messages.shown().last().kind;
        EXPECT_EQ(shown, QString::fromUtf8(c.shownKind)) << c.chosen;
        if (shown == QStringLiteral("information")) {
            EXPECT_TRUE(home.messages.lastText().contains(path));
        }
    }
}

} // namespace
