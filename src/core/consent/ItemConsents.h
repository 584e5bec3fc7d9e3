#pragma once

#include "core/batches/TransferKind.h"
#include "core/common/Money.h"

#include <QList>
#include <QString>
#include <optional>

class Workspace;

// Which items of withdrawal and apartment batches have a registered withdrawal consent: the item screens'
// consent column (cStatus) and their status panel, and the list the send/receive run shows before it sends.
//
// An item's consent is the TongRegister row whose Giganid, Bankcd, Bankno and NapbuNO equal the batch's GiganID10
// and the item's BankCode, BankNo and payer number, each compared trimmed and with NULL as empty. The payer number is
// NapbuNo for a withdrawal item and cNapbuNo (trimmed Dong followed by trimmed Ho) for an apartment item. When
// trimming makes several rows match, the one stored last counts. The item is registered when that row's Status is
// ConsentState::Registered; every lookup here shares that one rule, one index probe per item.
class ItemConsents {
public:
    // One item of a batch in key order, with its consent when it was looked up.
    struct Item {
        qint64 key = 0;
        QString bankCode;
        QString account; // BankNo
        Money amount; // IcheMoney
        QString payerNumber; // NapbuNo; cNapbuNo for an apartment item
        int state = 0;
        std::optional<int> consent; // the Status of the item's consent; none without one
        QString status; // cStatus; empty when the consent was not looked up
        bool registered = false;
    };

    // An item without a registered consent, with the values it was compared by (trimmed).
    struct Missing {
        const TransferKind* kind = nullptr;
        qint64 batch = 0;
        qint64 key = 0;
        QString institution; // the batch's GiganID10
        QString bankCode;
        QString account;
        QString payerNumber;
    };

    // The status panel's text when an item of the batch has no registered consent.
    static QString missingMessage() { return QStringLiteral("출금동의 등록이 안된 데이타가 발견되었습니다"); }
    // cStatus: "등록대기" … "해지오류" for Status 0 to 7, "미등록" for any other value and for no consent.
    static QString statusName(std::optional<int> status);

    ItemConsents(Workspace& context, const TransferKind& kind);

    const TransferKind& kind() const { return m_kind; }
    // Every item of the batch in key order; with lookUp (withdrawal and apartment only) each with its consent.
    QList<Item> items(qint64 batch, bool lookUp) const;
    // The batch-wide check: whether any item of the batch has no registered consent. Always false for deposits.
    bool anyMissing(qint64 batch) const;
    // The items of this kind without a registered consent in the batches awaiting sending (State 1), by batch and
    // key. Empty for deposits.
    QList<Missing> missing() const;
    // The list shown before sending: the withdrawal items, then the apartment items.
    static QList<Missing> missingBeforeSending(Workspace& context);
    // The Status of an item's consent as an SQL expression over a row of the item table named as such (NULL without
    // a consent): what a grid reads a page at a time.
    static QString statusColumn(const TransferKind& kind);

private:
    QString itemStatus() const;
    QString joinedItems() const;

    Workspace& m_context;
    const TransferKind& m_kind;
};
