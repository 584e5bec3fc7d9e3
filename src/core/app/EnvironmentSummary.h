#pragma once

#include <QString>

#include <optional>

class Workspace;

// What the environment information dialog shows, one text per value, the running clock apart.
struct EnvironmentSummary {
    // The communication settings are read once, here; institutions counted on the working database.
    static EnvironmentSummary collect(const Workspace& context);
    // "설정되어 있지 않음" for none; "알 수 없음" when the table cannot be read.
    static QString institutionsText(std::optional<int> count);

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
