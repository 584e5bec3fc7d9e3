#include "ui/batches/ItemGrid.h"

#include "core/accounts/AcctNoRules.h"
#include "core/batches/BatchState.h"
#include "core/batches/TransferItems.h"
#include "core/batches/TransferKind.h"
#include "core/consent/ConsentState.h"
#include "core/consent/ItemConsents.h"
#include "core/data/TDM1.h"

#include <memory>
#include <optional>

namespace {

// The values the calculated columns read. They follow the grid's columns in the raw row, so where they start is
// known once every column is declared.
enum Extra { BankCode, BankNo, Gubun, Salary, State, IcheYebu, Dong, Ho, Consent };

class Extras {
public:
    QVariant at(const QVariantList& row, Extra extra) const { return row.value(*m_start + extra); }
    QString text(const QVariantList& row, Extra extra) const { return at(row, extra).toString(); }
    std::optional<int> consent(const QVariantList& row) const
    {
        const QVariant status = at(row, Consent);
        return status.isNull() ? std::nullopt : std::optional<int>(status.toInt());
    }
    void startAfter(const QList<LazyColumn>& columns) { *m_start = static_cast<int>(columns.size()); }

private:
    std::shared_ptr<int> m_start = std::make_shared<int>(0);
};

TDM1::CodeKind fundKind(const TransferKind& kind)
{
    return kind.fundTable.compare(QStringLiteral("codeV"), Qt::CaseInsensitive) == 0 ? TDM1::CodeKind::CodeV
                                                                                     : TDM1::CodeKind::CodeT;
}

// A code outside the kind's banks shows no name, as the item screen and 오류 계좌 검색 treat it.
LazyColumn bankName(const Extras& extras, const TDM1* codes, const TransferKind& kind)
{
    return LazyColumn::calculated(QStringLiteral("은 행 명"), 12, [extras, codes, &kind](const QVariantList& row) {
        const QString code = extras.text(row, BankCode);
        return kind.reachesBank(code) ? codes->name(TDM1::CodeKind::Bank, code) : QString();
    });
}

LazyColumn account(const Extras& extras)
{
    return LazyColumn::calculated(QStringLiteral("계 좌 번 호"), 18, [extras](const QVariantList& row) {
        const QString account = extras.text(row, BankNo);
        return account.isEmpty() ? QString() : AcctNoRules().Hyphenate(extras.text(row, BankCode), account);
    });
}

LazyColumn state(const Extras& extras, const TDM1* codes)
{
    return LazyColumn::calculated(QStringLiteral("상  태"), 8, [extras, codes](const QVariantList& row) {
        return extras.at(row, State).toInt() < BatchState::Sent
            ? QStringLiteral("미송신")
            : codes->name(TDM1::CodeKind::CodeS, extras.text(row, IcheYebu));
    });
}

LazyColumn consent(const Extras& extras, const bool* shown)
{
    return LazyColumn::calculated(QStringLiteral("출금동의"), 10, [extras, shown](const QVariantList& row) {
        return *shown ? ItemConsents::statusName(extras.consent(row)) : QString();
    });
}

QList<LazyColumn> depositColumns(const Extras& extras, const TDM1* codes, TDM1::CodeKind funds)
{
    return {
        LazyColumn::calculated(QStringLiteral("급여구분"), 8,
            [extras](const QVariantList& row) { return TransferItems::salaryName(extras.at(row, Salary).toInt()); }),
        bankName(extras, codes, TransferKind::deposit()),
        LazyColumn::calculated(QStringLiteral("통장인자내역"), 12,
            [extras, codes, funds](const QVariantList& row) { return codes->name(funds, extras.text(row, Gubun)); }),
        LazyColumn::text(QStringLiteral("성  명"), 10, QStringLiteral("Bigo")),
        account(extras),
        LazyColumn::money(QStringLiteral("이체금액"), 14, QStringLiteral("IcheMoney")),
        LazyColumn::text(QStringLiteral("납부자번호"), 14, QStringLiteral("NapbuNo")),
        state(extras, codes),
    };
}

QList<LazyColumn> withdrawalColumns(const Extras& extras, const TDM1* codes, const bool* consentShown)
{
    const TransferKind& kind = TransferKind::withdrawal();
    return {
        consent(extras, consentShown),
        bankName(extras, codes, kind),
        LazyColumn::text(QStringLiteral("납부자번호"), 14, QStringLiteral("NapbuNo")),
        LazyColumn::text(QStringLiteral("성  명"), 10, QStringLiteral("Bigo")),
        account(extras),
        LazyColumn::money(QStringLiteral("이체금액"), 14, QStringLiteral("IcheMoney")),
        state(extras, codes),
    };
}

QList<LazyColumn> apartmentColumns(const Extras& extras, const TDM1* codes, const bool* consentShown)
{
    const TransferKind& kind = TransferKind::apartment();
    return {
        consent(extras, consentShown),
        LazyColumn::text(QStringLiteral("동"), 5, QStringLiteral("Dong")),
        LazyColumn::text(QStringLiteral("호"), 5, QStringLiteral("Ho")),
        LazyColumn::text(QStringLiteral("입주자명"), 10, QStringLiteral("Bigo")),
        LazyColumn::calculated(QStringLiteral("납부자번호"), 10,
            [extras](
                const QVariantList& row) { return extras.text(row, Dong).trimmed() + extras.text(row, Ho).trimmed(); }),
        bankName(extras, codes, kind),
        account(extras),
        LazyColumn::text(QStringLiteral("예금주명"), 10, QStringLiteral("Kita")),
        LazyColumn::money(QStringLiteral("이체금액"), 14, QStringLiteral("IcheMoney")),
        state(extras, codes),
    };
}

} // namespace

LazyTableSource itemGrid(const TransferKind& kind, qint64 batch, const TDM1& data, const bool* consentShown)
{
    LazyTableSource source;
    source.from = kind.itemTable;
    source.keyColumn = kind.itemKey;
    source.where = kind.batchKey + QStringLiteral(" = ?");
    source.whereValues = { batch };
    source.order = { kind.itemKey };
    Extras extras;
    source.columns = kind.hasDongHo ? apartmentColumns(extras, &data, consentShown)
        : kind.withdraws            ? withdrawalColumns(extras, &data, consentShown)
                                    : depositColumns(extras, &data, fundKind(kind));
    extras.startAfter(source.columns);
    const QString none = QStringLiteral("NULL");
    source.extraSources = { QStringLiteral("BankCode"), QStringLiteral("BankNo"), QStringLiteral("Gubun"),
        kind.hasSalary ? QStringLiteral("Salary") : none, QStringLiteral("State"), QStringLiteral("IcheYebu"),
        kind.hasDongHo ? QStringLiteral("Dong") : none, kind.hasDongHo ? QStringLiteral("Ho") : none,
        kind.withdraws ? ItemConsents::statusColumn(kind) : none };
    if (kind.withdraws) {
        source.warns = [extras, consentShown](const QVariantList& row) {
            return *consentShown && extras.consent(row) != ConsentState::Registered;
        };
    }
    return source;
}
