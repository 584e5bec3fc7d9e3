#include "core/print/TransferItemRows.h"

#include "core/app/Workspace.h"
#include "core/batches/BatchState.h"
#include "core/data/SqlValue.h"
#include "core/data/SqliteStatement.h"
#include "core/data/TDM1.h"
#include "core/print/ReportFormat.h"

namespace {

// Only "Y" is a transfer done: an empty outcome counts as failed.
QString dataFilter(PrintOptions::Data data)
{
    switch (data) {
    case PrintOptions::Data::Normal:
        return QStringLiteral(" AND IcheYebu = 'Y'");
    case PrintOptions::Data::Failed:
        return QStringLiteral(" AND IFNULL(IcheYebu, '') <> 'Y'");
    case PrintOptions::Data::All:
        break;
    }
    return {};
}

ExportColumn text(const QString& field, const QString& label, int width)
{
    return { field, label, width, false };
}

} // namespace

struct TransferItemRows::Values {
    QString bankCode;
    QString bankName; // empty when the code names no bank
    QString account; // hyphenated
    QString transferDate;
    Money amount;
    QString name; // Bigo
    QString fund;
    QString fundName;
    QString outcome;
    QString outcomeName;
    QString resultCode; // ResultID4
    QString resultName; // of ResultID4
    QString printedResultName; // of ResultID4, or of the old layout's ResultID without one
    QString payerNumber;
    QString receiveDate;
    QString sendDate;
    QString sendTime;
    QString remark; // Kita
    QString status;
    QString dong;
    QString ho;
};

QList<ExportColumn> TransferItemRows::exportColumns(const TransferKind& kind)
{
    const QList<ExportColumn> bank { text(QStringLiteral("BankCode"), QStringLiteral("은행코드"), 8),
        text(QStringLiteral("BankName"), QStringLiteral("은행명"), 16),
        text(QStringLiteral("MBankNo"), QStringLiteral("계좌번호"), 18),
        text(QStringLiteral("IcheDate"), QStringLiteral("이체일자"), 10),
        { QStringLiteral("IcheMoney"), QStringLiteral("이체금액"), 13, true } };
    const QList<ExportColumn> fund { text(QStringLiteral("Gubun"), QStringLiteral("자금구분"), 8),
        text(QStringLiteral("GubunName"), QStringLiteral("자금구분"), 40),
        text(QStringLiteral("IcheYebu"), QStringLiteral("이체여부"), 8),
        text(QStringLiteral("YebuName"), QStringLiteral("이체여부"), 8),
        text(QStringLiteral("ResultID4"), QStringLiteral("ResultID4"), 9),
        text(QStringLiteral("ResultName"), QStringLiteral("처리결과"), 40),
        text(QStringLiteral("NapbuNo"), QStringLiteral("납부자번호"), 24),
        text(QStringLiteral("Rdate"), QStringLiteral("수신일자"), 10),
        text(QStringLiteral("Sdate"), QStringLiteral("송신일자"), 10),
        text(QStringLiteral("Stime"), QStringLiteral("송신시각"), 8) };
    const ExportColumn status = text(QStringLiteral("Stat"), QStringLiteral("상태"), 20);
    if (kind.hasDongHo) {
        return QList<ExportColumn> { text(QStringLiteral("Dong"), QStringLiteral("동"), 5),
            text(QStringLiteral("Ho"), QStringLiteral("호"), 5),
            text(QStringLiteral("Bigo"), QStringLiteral("입주자명"), 20),
            text(QStringLiteral("Kita"), QStringLiteral("예금주명"), 20) }
        + bank + fund + QList<ExportColumn> { status };
    }
    return bank + QList<ExportColumn> { text(QStringLiteral("Bigo"), QStringLiteral("성명"), 20) } + fund
        + QList<ExportColumn> { text(QStringLiteral("Kita"), QStringLiteral("비고"), 20), status };
}

TransferItemRows::TransferItemRows(
    Workspace& context, const TransferKind& kind, qint64 batch, TransferItems::Order order, PrintOptions::Data data)
    : m_context(context)
    , m_kind(kind)
    , m_bank(m_accounts, context)
{
    SqliteStatement keys(context.database(),
        QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?%4 ORDER BY %5")
            .arg(kind.itemKey, kind.itemTable, kind.batchKey, dataFilter(data), TransferItems::orderBy(kind, order)));
    const bool read = keys.select({ batch });
    while (read && keys.next())
        m_keys << keys.integer(0);
    if (!read || !keys.error().isEmpty())
        context.reportError(keys.error());
    const QString codeP = TDM1::codeTable(TDM1::CodeKind::CodeP);
    m_row = std::make_unique<SqliteStatement>(context.database(),
        QStringLiteral("SELECT i.BankCode, b.Name, i.BankNo, i.IcheDate, i.IcheMoney, i.Bigo, i.Gubun, f.Name, "
                       "i.IcheYebu, s.Name, i.ResultID4, p.Name, old.Name, i.NapbuNo, i.Rdate, i.Sdate, i.Stime, "
                       "i.Kita, i.State, %1 "
                       "FROM %2 i LEFT JOIN %3 b ON b.Id = i.BankCode LEFT JOIN %4 f ON f.Id = i.Gubun "
                       "LEFT JOIN %5 s ON s.Id = i.IcheYebu LEFT JOIN %6 p ON p.Id = i.ResultID4 "
                       "LEFT JOIN %6 old ON old.Id = i.ResultID WHERE i.%7 = ?")
            .arg(kind.hasDongHo ? QStringLiteral("i.Dong, i.Ho") : QStringLiteral("NULL, NULL"), kind.itemTable,
                TDM1::codeTable(TDM1::CodeKind::Bank), kind.fundTable, TDM1::codeTable(TDM1::CodeKind::CodeS), codeP,
                kind.itemKey));
}

TransferItemRows::~TransferItemRows() = default;

TransferItemRows::Values TransferItemRows::read(int index) const
{
    Values values;
    // A row deleted since the keys were read is printed empty.
    if (!m_row->select({ m_keys.value(index) }) || !m_row->next()) {
        if (!m_row->error().isEmpty())
            m_context.reportError(m_row->error());
        return values;
    }
    values.bankCode = m_row->text(0);
    values.bankName = m_row->text(1);
    const QString account = m_row->text(2);
    values.account = account.isEmpty() ? QString() : m_bank.displayForm(values.bankCode, account);
    values.transferDate = m_row->text(3);
    values.amount = SqlValue::money(m_row->value(4));
    values.name = m_row->text(5);
    values.fund = m_row->text(6);
    values.fundName = m_row->text(7);
    values.outcome = m_row->text(8);
    values.outcomeName = m_row->text(9);
    values.resultCode = m_row->text(10);
    values.resultName = m_row->text(11);
    values.printedResultName = values.resultCode.isEmpty() ? m_row->text(12) : values.resultName;
    values.payerNumber = m_row->text(13);
    values.receiveDate = m_row->text(14);
    values.sendDate = m_row->text(15);
    values.sendTime = m_row->text(16);
    values.remark = m_row->text(17);
    values.status = m_row->integer(18) < BatchState::Sent ? QStringLiteral("미송신") : values.outcomeName;
    values.dong = m_row->text(19);
    values.ho = m_row->text(20);
    return values;
}

QStringList TransferItemRows::printValues(int index) const
{
    const Values v = read(index);
    return { v.bankName.isEmpty() ? v.bankCode : v.bankName, v.account, v.name, ReportFormat::amount(v.amount),
        v.fundName.isEmpty() ? v.fund : v.fundName, v.payerNumber, v.outcomeName, v.printedResultName, v.remark, v.dong,
        v.ho };
}

QStringList TransferItemRows::fileValues(int index) const
{
    const Values v = read(index);
    const QString amount = QString::number(v.amount.won());
    const QStringList fund { v.fund, v.fundName, v.outcome, v.outcomeName, v.resultCode, v.resultName, v.payerNumber,
        v.receiveDate, v.sendDate, v.sendTime };
    const QStringList bank { v.bankCode, v.bankName, v.account, v.transferDate, amount };
    if (m_kind.hasDongHo)
        return QStringList { v.dong, v.ho, v.name, v.remark } + bank + fund + QStringList { v.status };
    return bank + QStringList { v.name } + fund + QStringList { v.remark, v.status };
}
