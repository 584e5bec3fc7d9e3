#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Where a bulk intake of consents reads from (a converted spreadsheet or text file). Row 0 holds the titles; every
// further row has ten cells: name, institution code, bank code, account, payer number, real-name number,
// application date, automatic payment day, branch code, real-name check flag.
class ConsentIntakeSource {
public:
    virtual ~ConsentIntakeSource() = default;

    virtual QList<QStringList> rows() const = 0;
    // The file the rows came from and the name of its conversion format, for the run log.
    virtual QString fileName() const = 0;
    virtual QString formatName() const = 0;
};
