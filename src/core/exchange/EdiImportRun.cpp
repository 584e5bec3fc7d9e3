#include "core/exchange/EdiImportRun.h"

#include "core/app/Workspace.h"
#include "core/batches/BankGroup.h"
#include "core/cms/EdiRecvCms.h"
#include "core/data/Database.h"
#include "core/edi/receive/EdiRecvApt.h"
#include "core/edi/receive/EdiRecvTong1.h"
#include "core/edi/receive/EdiRecvTong21.h"
#include "core/edi/receive/EdiRecvTongRegister.h"

#include <QDir>

EdiImportRun::EdiImportRun(Database& database, const Workspace& context)
    : m_database(database)
    , m_context(context)
{
}

bool EdiImportRun::run()
{
    EdiRecvTongRegister consents(m_database, m_context);
    take(consents, consentResultsExpected());
    EdiRecvTong1 deposits(m_database, m_context);
    take(deposits, true);
    EdiRecvTong21 withdrawals(m_database, m_context);
    take(withdrawals, true);
    EdiRecvApt apartments(m_database, m_context);
    take(apartments, true);
    EdiRecvCms inquiries(m_database, m_context);
    take(inquiries, true);
    refuseUnknownFiles();
    for (const EdiImportError& refusal : m_refusals)
        m_context.log().append(refusal.text(), true);
    return m_found;
}

// Consent results that are not expected are not read, but their files are still known ones.
void EdiImportRun::take(EdiResultImporter& importer, bool runs)
{
    if (runs) {
        m_found = importer.run() || m_found;
        m_rows << importer.rows();
        m_refusals << importer.refusals();
    }
    try {
        for (const QString& name : importer.fileNames())
            m_knownNames.insert(name);
    } catch (const EdiImportError&) {
        // Without the institution settings no name is known; the importer's own run has refused the failure.
    }
}

void EdiImportRun::refuseUnknownFiles()
{
    const QStringList names = QDir(m_context.paths().receivePath()).entryList(QDir::Files, QDir::Name);
    for (const QString& name : names) {
        if (!m_knownNames.contains(name))
            m_refusals << EdiImportError::notAResultFile(name);
    }
}

bool EdiImportRun::consentResultsExpected() const
{
    return m_database
               .scalar(
                   QStringLiteral("SELECT SENDVERSION FROM BANKCODE WHERE Id = ?"), { BankGroup::centralBankCode() })
               .toString()
               .trimmed()
        == QLatin1String("1");
}
