#include "core/spreadsheet/SpreadsheetSources.h"

#include "core/accounts/AcctNoRules.h"
#include "core/consent/ConsentState.h"
#include "core/consent/ItemConsents.h"
#include "core/spreadsheet/SpreadsheetWriter.h"

#include <QHash>

namespace {

QVariant dateTimeCell(const QDateTime& at)
{
    return at.isValid() ? QVariant(at) : QVariant();
}

QVariantList itemRow(const TransferKind& kind, const TransferItems::Row& row, const QString& consent)
{
    const TransferItems::Item& item = row.item;
    QVariantList values { consent };
    if (kind.isApartment())
        values << item.dong << item.ho;
    values << item.name << item.bankCode << row.bankName << item.account << item.payerNumber << item.remark
           << QVariant::fromValue(item.amount) << row.status;
    return values;
}

} // namespace

SpreadsheetRowList SpreadsheetSources::consentRegister(
    Workspace& context, const ConsentRegister::Filter& filter, const QString& institution)
{
    const AcctNoRules accounts;
    SpreadsheetRowList rows;
    for (const ConsentRegister::Consent& consent : ConsentRegister(context).list(filter, institution)) {
        const QString account
            = consent.account.isEmpty() ? QString() : accounts.Hyphenate(consent.bankCode, consent.account);
        rows.append({ ConsentState::name(consent.state), consent.name, consent.institution, consent.bankCode, account,
            consent.payerNumber, consent.realNameNumber, dateTimeCell(consent.sent), dateTimeCell(consent.received),
            ConsentState::resultText(consent.resultCode) });
    }
    return rows;
}

SpreadsheetRowList SpreadsheetSources::batchItems(
    Workspace& context, const TransferKind& kind, qint64 batch, bool consentCheck, TransferItems::Order order)
{
    QHash<qint64, QString> consents;
    if (consentCheck) {
        for (const ItemConsents::Item& item : ItemConsents(context, kind).items(batch, true))
            consents.insert(item.key, item.status);
    }
    TransferItems items(context, kind, batch);
    items.setOrder(order);
    SpreadsheetRowList rows;
    for (const TransferItems::Row& row : items.rows())
        rows.append(itemRow(kind, row, consents.value(row.item.key)));
    return rows;
}

int SpreadsheetSources::batchItemsLayout(const TransferKind& kind)
{
    return kind.isApartment() ? SpreadsheetWriter::ApartmentItemsLayout : SpreadsheetWriter::WithdrawalItemsLayout;
}

SpreadsheetRowList SpreadsheetSources::unconsentedItems(Workspace& context)
{
    SpreadsheetRowList rows;
    for (const ItemConsents::Missing& item : ItemConsents::missingBeforeSending(context))
        rows.append({ item.institution, item.bankCode, item.account, item.payerNumber });
    return rows;
}
