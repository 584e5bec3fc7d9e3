#pragma once

#include "core/edi/TEdiInfo.h"
#include "core/edi/receive/EdiImportError.h"

#include <QList>
#include <optional>

class Workspace;
class Database;

// The import step of the send/receive run, in its order: consent results (only while the bank's send version
// is 1), bulk deposit, bulk withdrawal and apartment banking results, then the CMS inquiry files. Each file is
// one transaction; the first file that cannot be imported ends the step, what was imported before it stays.
class EdiImportRun {
public:
    EdiImportRun(Database& database, const Workspace& context);

    // True when at least one file was found.
    bool run();
    const QList<TEdiInfo>& rows() const { return m_rows; }
    bool failed() const { return m_error.has_value(); }
    const std::optional<EdiImportError>& error() const { return m_error; }

private:
    bool consentResultsExpected() const;

    Database& m_database;
    const Workspace& m_context;
    QList<TEdiInfo> m_rows;
    std::optional<EdiImportError> m_error;
};
