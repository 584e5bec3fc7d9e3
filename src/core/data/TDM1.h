#pragma once

#include "core/calendar/HolidayCalendar.h"
#include "core/data/Database.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class Workspace;

// The shared data module: the connection to the working database, its open-and-upgrade at start,
// the shared code tables with their name lookups, and the key generator.
class TDM1 {
public:
    // One kind per code table.
    enum class CodeKind { Bank, CodeE, CodeF, CodeG, CodeH, CodeI, CodeJ, CodeK, CodeO, CodeP, CodeS, CodeT, CodeV };
    struct CodeEntry {
        QString id;
        QString name;
    };

    explicit TDM1(Workspace& context);

    Database& database() { return m_database; }
    static QString codeTable(CodeKind kind);
    static QString openFailureMessage();

    // Opens the database of the data directory and upgrades it; a first start lays down the shipped
    // blank database. False when a step failed; failures of the later steps also reach the error box.
    bool openAndUpgrade();
    bool openAndUpgrade(const QString& dataDir);
    // Reads the shared tables. On the first one that cannot be read, shows the open failure message and
    // stops; what was read so far stays.
    bool openSharedTables();
    // Re-reads the shared tables after a code table was edited; errors keep the last good state.
    void refreshSharedTables();
    void close();
    const QString& lastError() const { return m_lastError; }

    // The name of a code exactly as stored (no trimming); empty when the code is unknown.
    QString name(CodeKind kind, const QString& code) const;
    // The rows of a code table in code order.
    QList<CodeEntry> codes(CodeKind kind) const { return m_codes.value(kind); }

    // The configured institution codes (TOID210 and APID10 of every institution, trimmed, blank ones left out)
    // and the bank codes, each sorted. Re-read after the institution settings or the bank codes were edited; on a
    // database error both are empty and lastError() says why.
    bool loadCodeLists();
    const QStringList& institutionCodes() const { return m_institutionCodes; }
    const QStringList& bankCodes() const { return m_bankCodes; }

    // The bank holidays with the office's own list as the database holds it. Read again after every open and
    // every change of the list; without the list (no database) the calendar keeps to its rules.
    const HolidayCalendar& holidays() const { return m_holidays; }
    bool loadHolidays();

    // The largest value of a key field plus 1; 1 for an empty table; nothing when the table or field is unusable.
    std::optional<qint64> nextKey(const QString& table, const QString& field);
    // The number of institutions whose evidence submission kind has the code "0" (제출), "1" (일부면제)
    // or "2" (면제), as text; any other code counts the institutions with an empty kind.
    QString countInstitutionsByEvidenceType(const QString& typeCode);

private:
    bool setPath(const QString& dataDir);
    bool ensureOpen();
    bool readCodes(CodeKind kind);
    bool tableReadable(const QString& table);

    Workspace& m_context;
    Database m_database;
    QString m_dataDir;
    QHash<CodeKind, QList<CodeEntry>> m_codes;
    QHash<CodeKind, QHash<QString, QString>> m_names;
    QStringList m_institutionCodes;
    QStringList m_bankCodes;
    HolidayCalendar m_holidays;
    QString m_lastError;
};
