#include "core/exchange/EdiImportRun.h"

#include "core/cms/EdiRecvCms.h"
#include "core/data/Database.h"
#include "core/edi/receive/EdiRecvApt.h"
#include "core/edi/receive/EdiRecvTong1.h"
#include "core/edi/receive/EdiRecvTong21.h"
#include "core/edi/receive/EdiRecvTongRegister.h"

#include <memory>
#include <vector>

EdiImportRun::EdiImportRun(Database& database, const Workspace& context)
    : m_database(database)
    , m_context(context)
{
}

bool EdiImportRun::run()
{
    std::vector<std::unique_ptr<EdiResultImporter>> importers;
    if (consentResultsExpected())
        importers.push_back(std::make_unique<EdiRecvTongRegister>(m_database, m_context));
    importers.push_back(std::make_unique<EdiRecvTong1>(m_database, m_context));
    importers.push_back(std::make_unique<EdiRecvTong21>(m_database, m_context));
    importers.push_back(std::make_unique<EdiRecvApt>(m_database, m_context));
    importers.push_back(std::make_unique<EdiRecvCms>(m_database, m_context));
    bool found = false;
    for (const std::unique_ptr<EdiResultImporter>& importer : importers) {
        found = importer->run() || found;
        m_rows << importer->rows();
        if (importer->failed()) {
            m_error = importer->error();
            break;
        }
    }
    return found;
}

bool EdiImportRun::consentResultsExpected() const
{
    return m_database.scalar(QStringLiteral("SELECT SENDVERSION FROM BANKCODE WHERE Id = '11'")).toString().trimmed()
        == QLatin1String("1");
}
