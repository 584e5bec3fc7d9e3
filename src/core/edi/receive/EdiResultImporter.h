#pragma once

#include "core/edi/TEdiInfo.h"
#include "core/edi/receive/EdiImportError.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QStringList>
#include <optional>

class Workspace;
class Database;

// What every importer of received files shares: the files of its kind in the receive path, one transaction
// per file, the report rows and the error that stopped it.
class EdiResultImporter {
public:
    virtual ~EdiResultImporter() = default;
    EdiResultImporter(const EdiResultImporter&) = delete;
    EdiResultImporter& operator=(const EdiResultImporter&) = delete;

    // Imports every file of its kind found in the receive path, in order. True when at least one was found.
    // The first file that cannot be imported is rolled back whole and ends the import; files before it stay.
    bool run();
    // One file's content under its name, in one transaction; false when it was rolled back.
    bool importBytes(const QString& fileName, const QByteArray& bytes);

    const QList<TEdiInfo>& rows() const { return m_rows; }
    bool failed() const { return m_error.has_value(); }
    const std::optional<EdiImportError>& error() const { return m_error; }

protected:
    EdiResultImporter(Database& database, const Workspace& context);

    // The names this kind of file may have, in reading order; names not present in the receive path are passed.
    virtual QStringList fileNames() = 0;
    // Reads one file into the tables; throws EdiImportError for what cannot be taken.
    virtual void readFile(const QString& fileName, const QByteArray& bytes) = 0;

    void report(const TEdiInfo& row) { m_rows << row; }
    Database& database() const { return m_database; }
    QDate today() const;
    QDateTime now() const;
    // The distinct non-blank values of a column of the institution settings, sorted.
    QStringList institutionValues(const QString& column) const;

private:
    bool importFile(const QString& fileName, const QString& path);

    Database& m_database;
    const Workspace& m_context;
    QList<TEdiInfo> m_rows;
    std::optional<EdiImportError> m_error;
};
