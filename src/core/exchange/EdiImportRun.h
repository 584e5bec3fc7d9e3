#pragma once

#include "core/edi/TEdiInfo.h"
#include "core/edi/receive/EdiImportError.h"

#include <QList>
#include <QSet>
#include <QString>

class Workspace;
class Database;
class EdiResultImporter;

// The import step of the send/receive run, in its order: consent results (only while the bank's send version
// is 1), bulk deposit, bulk withdrawal and apartment banking results, then the CMS inquiry files. Each file is
// one transaction. A file that cannot be taken whole (cut short, damaged, unreadable) is refused and left in
// the receive path for a re-receive, and so is a file that no importer reads; the sound files are still
// imported. Every refusal is written to the monthly log.
class EdiImportRun {
public:
    EdiImportRun(Database& database, const Workspace& context);

    // True when at least one result file was found.
    bool run();
    const QList<TEdiInfo>& rows() const { return m_rows; }
    bool failed() const { return !m_refusals.isEmpty(); }
    // Why each refused file was refused, in the order of the step.
    const QList<EdiImportError>& refusals() const { return m_refusals; }

private:
    bool consentResultsExpected() const;
    void take(EdiResultImporter& importer, bool runs);
    void refuseUnknownFiles();

    Database& m_database;
    const Workspace& m_context;
    QList<TEdiInfo> m_rows;
    QList<EdiImportError> m_refusals;
    QSet<QString> m_knownNames;
    bool m_found = false;
};
