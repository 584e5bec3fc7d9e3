#include "ReceiveReplay.h"

#include "core/cms/EdiRecvCms.h"
#include "core/data/TransactionGuard.h"
#include "core/edi/receive/EdiRecvApt.h"
#include "core/edi/receive/EdiRecvTong1.h"
#include "core/edi/receive/EdiRecvTong21.h"
#include "core/edi/receive/EdiRecvTongRegister.h"

#include <memory>
#include <vector>

namespace {

const QStringList& importedTables()
{
    static const QStringList tables { "Tong1", "Tong2", "Tong21", "Tong22", "Apt1", "Apt2", "TongRegister", "hyun1",
        "HYUN2", "eum1", "eum2", "Ilban1", "Ilban2" };
    return tables;
}

} // namespace

std::optional<ReceiveReplay::Reader> ReceiveReplay::readerNamed(const QString& name)
{
    if (name == QLatin1String("transfer_results"))
        return Reader::TransferResults;
    if (name == QLatin1String("consent_results"))
        return Reader::ConsentResults;
    if (name == QLatin1String("cms_inquiries"))
        return Reader::CmsInquiries;
    return std::nullopt;
}

QString ReceiveReplay::corpusDirectory()
{
    return QStringLiteral(FB_SOURCE_DIR "/tests/fuzz/corpus");
}

ReceiveReplay::ReceiveReplay()
{
    if (m_home.isOpen()) {
        m_home.database().exec(QStringLiteral("PRAGMA synchronous = OFF"));
        m_home.database().exec(QStringLiteral("PRAGMA journal_mode = MEMORY"));
    }
}

QList<ReceiveReplay::Outcome> ReceiveReplay::replay(Reader reader, const QByteArray& bytes)
{
    seed();
    Database& database = m_home.database();
    Workspace& context = m_home.context();
    std::vector<std::pair<std::unique_ptr<EdiResultImporter>, QString>> importers;
    switch (reader) {
    case Reader::TransferResults:
        importers.emplace_back(std::make_unique<EdiRecvTong1>(database, context), QStringLiteral("CD456"));
        importers.emplace_back(std::make_unique<EdiRecvTong21>(database, context), QStringLiteral("CW456"));
        importers.emplace_back(std::make_unique<EdiRecvApt>(database, context), QStringLiteral("CA456"));
        break;
    case Reader::ConsentResults:
        importers.emplace_back(std::make_unique<EdiRecvTongRegister>(database, context), QStringLiteral("QK150"));
        break;
    case Reader::CmsInquiries:
        importers.emplace_back(std::make_unique<EdiRecvCms>(database, context), QStringLiteral("HY101"));
        break;
    }
    QList<Outcome> outcomes;
    for (const auto& [importer, fileName] : importers) {
        const QStringList before = tableRows();
        importer->importBytes(fileName, bytes);
        Outcome outcome { fileName, {}, tableRows() != before };
        for (const EdiImportError& error : importer->refusals())
            outcome.refusal += error.text();
        outcomes << outcome;
    }
    empty();
    return outcomes;
}

QStringList ReceiveReplay::tableRows()
{
    return m_home.tableRows(importedTables());
}

// The keys the fixtures carry, so that results find stored batches and consents as well as create new ones.
void ReceiveReplay::seed()
{
    TransactionGuard transaction(m_home.database());
    const QVariantMap sent { { "IcheDate", QDate(2026, 12, 14) }, { "SendDate", QDate(2026, 12, 10) }, { "State", 2 } };
    auto batch = [&](const QString& table, const QString& key, int dataNo, const QTime& time) {
        QVariantMap row = sent;
        row.insert(key, 1);
        row.insert(QStringLiteral("DataNo"), dataNo);
        row.insert(QStringLiteral("Stime"), time);
        m_home.insert(table, row);
    };
    auto item = [&](const QString& table, const QString& key, int dataNo) {
        m_home.insert(
            table, { { key, 1 }, { "DataNo", dataNo }, { "BankCode", "11" }, { "IcheMoney", 10000 }, { "State", 2 } });
    };
    batch(QStringLiteral("Tong1"), QStringLiteral("TongID"), 1, QTime(9, 5, 3));
    batch(QStringLiteral("Tong21"), QStringLiteral("TongID"), 2, QTime(9, 30));
    batch(QStringLiteral("Apt1"), QStringLiteral("AptID"), 3, QTime(9, 5, 7));
    for (int dataNo = 1; dataNo <= 3; ++dataNo) {
        item(QStringLiteral("Tong2"), QStringLiteral("TongID"), dataNo);
        item(QStringLiteral("Tong22"), QStringLiteral("TongID"), dataNo);
        item(QStringLiteral("Apt2"), QStringLiteral("AptID"), dataNo);
    }
    const QList<QStringList> consents { { "9900000002", "12", "110220330440", "PAYER-12", "00110220330440" },
        { "9900000002", "20", "110220330440", "PAYER-20", "00110220330440" },
        { "9900000002", "10", "12345678901", "PAYER-10", "00012345678901" },
        { "9900000009", "20", "77788899900", "PAYER-B", "00077788899900" } };
    for (const QStringList& consent : consents) {
        m_home.insert(QStringLiteral("TongRegister"),
            { { "Giganid", consent.at(0) }, { "Bankcd", consent.at(1) }, { "Bankno", consent.at(2) },
                { "DisplayBankno", consent.at(4) }, { "NapbuNO", consent.at(3) }, { "Status", 1 } });
    }
    transaction.commit();
}

void ReceiveReplay::empty()
{
    TransactionGuard transaction(m_home.database());
    for (const QString& table : importedTables())
        m_home.database().exec(QStringLiteral("DELETE FROM %1").arg(table));
    transaction.commit();
}
