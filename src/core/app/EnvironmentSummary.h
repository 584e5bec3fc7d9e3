#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

#include <optional>

class AppContext;

// What the environment information dialog shows, one text per value, the running clock apart.
struct EnvironmentSummary {
    // The communication settings are read once, here; institutions counted on the working database.
    static EnvironmentSummary collect(const AppContext& context, const QSqlDatabase& database);
    // "설정되어 있지 않음" for none; "알 수 없음" when the table cannot be read.
    static QString institutionsText(std::optional<int> count);
    // The system's short date and long time formats.
    static QString dateTimeText(const QDateTime& now);

    QString loginId;
    QString password;
    QString line;
    QString connection1;
    QString connection2;
    QString sendDir;
    QString receiveDir;
    QString programDir;
    QString institutions;
    QString accountCheck;
};
