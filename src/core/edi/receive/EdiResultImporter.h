#pragma once

#include "core/edi/TEdiInfo.h"
#include "core/edi/receive/EdiImportError.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QStringList>

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
    // A file that cannot be imported whole is rolled back, refused and left in the receive path; the other
    // files are still imported.
    bool run();
    // One file's content under its name, in one transaction; false when it was rolled back and refused.
    bool importBytes(const QString& fileName, const QByteArray& bytes);

    const QList<TEdiInfo>& rows() const { return m_rows; }
    bool failed() const { return !m_refusals.isEmpty(); }
    // Why each refused file was refused, in reading order.
    const QList<EdiImportError>& refusals() const { return m_refusals; }

    // The names this kind of file may have, in reading order; names not present in the receive path are passed.
    // Throws EdiImportError when the institution settings cannot be read.
    virtual QStringList fileNames() = 0;

protected:
    EdiResultImporter(Database& database, const Workspace& context);

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
    QList<EdiImportError> m_refusals;
};
