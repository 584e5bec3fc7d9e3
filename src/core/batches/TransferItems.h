#pragma once

#include "core/batches/TransferKind.h"
#include "core/common/Money.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class Workspace;

// The rules behind the item screen of one transfer batch (TfmTong2 for deposits; the withdrawal and apartment item
// screens take the same rules with their kind): new item, edit, save with its checks in the screen's order,
// continuous entry, copy, delete, the bulk amount change, select all, the bad-account search, search, the failed
// items and the sort order. The screen keeps only its widgets: it hands over what the boxes hold and shows the item
// and puts the focus where the outcome says. Every change is one transaction.
//
// A batch whose State is above 1 (sent, results received) is read-only: every change is refused without a
// message, as the screen has those commands disabled. Editing and the bulk amount change also need the item's own
// State below 2.
//
// Closing the screen is not here: the screen settles an unsaved entry (saved or discarded) and then calls
// TransferBatches::close for this batch, which checks the fund categories and recomputes the batch totals and state. A
// change to a batch already closed (held or awaiting sending) recomputes its totals at once, in the change's
// transaction.
class TransferItems {
public:
    // The editor that gets the focus.
    enum class Field { None, BankCode, Account, Amount, FundCategory, Name, PayerNumber, Remark, Dong, Ho };
    // 정 렬: 정렬 안함, 계좌번호 순으로 정렬, then 자금구분 순으로 정렬, or for apartments 동-호수 순으로 정렬 and
    // 입주자명 순으로 정렬.
    enum class Order { Key, Account, FundCategory, DongHo, ResidentName };

    // One item as the editor holds it. key 0 is an item not yet stored.
    struct Item {
        qint64 key = 0;
        qint64 batch = 0;
        QString fundCategory; // Gubun
        QString bankCode;
        QString account; // BankNo, without hyphens once stored
        QDate transferDate; // IcheDate
        Money amount; // IcheMoney
        QString outcome; // IcheYebu
        QString resultCode; // ResultID4
        QString payerNumber; // NapbuNo
        QString name; // Bigo
        QString remark; // Kita
        QString dong; // apartment: the payer number is the dong and the ho
        QString ho;
        int salary = 0; // 1 급여, 2 비급여, 3 정부지원 (deposit only)
        int state = 0;
        qint64 dataNo = 0;
    };

    // One grid row: the item with its calculated fields.
    struct Row {
        Item item;
        QString displayAccount; // MBankNo: hyphenated for the bank, empty without an account
        QString bankName;
        QString fundName; // 통장인자내역
        QString resultName;
        QString outcomeName; // YebuName
        QString status; // Stat: "미송신" below State 2, else the outcome's name
        QString salaryName;
    };

    // What a command did: whether it happened, the message it showed last (empty for none), the editor to focus
    // and the item the screen shows next.
    struct Outcome {
        bool done = false;
        QString message;
        Field focus = Field::None;
        Item item;
        // Continuous entry: the new item that saving started at once.
        std::optional<Item> next;
        // Items deleted or changed.
        int count = 0;
    };

    // The search dialog's boxes, each blank for any: a fund-category name, and the name and account, which match
    // as prefixes or, when exact, in full (with the payer number, for apartment items).
    struct Search {
        QString fundName;
        QString name;
        QString account;
        QString payerNumber;
        bool exact = false;
    };

    struct FailedItems {
        int requested = 0; // 의뢰건수: every item of the batch
        QList<Row> rows; // the items not transferred (IcheYebu other than "Y")
    };

    // The bulk amount change's input box.
    static QString amountInputTitle() { return QStringLiteral("이체금액 입력"); }
    static QString amountInputPrompt() { return QStringLiteral("이체금액 :"); }
    // An amount as typed: digits and "," only, whole won from 0 to MaxAmount; nothing for anything else. Blank is 0.
    static std::optional<Money> parseAmount(const QString& text);
    // The most one item carries: what the amount field of the bank's files holds.
    static constexpr qint64 MaxAmount = 2147483647;
    static QString amountRangeText();
    // The longest account the bank's files carry, in digits without hyphens.
    static constexpr int MaxAccountDigits = 15;
    // The CP949 bytes of the remark box (Kita): the passbook text of a deposit, the withdrawal's remark, the
    // apartment's account holder.
    static int remarkWidth(const TransferKind& kind);
    // The ORDER BY of an order, for this screen and the batch screen's item table (the printout follows it).
    static QString orderBy(const TransferKind& kind, Order order);
    // The columns of an order within one batch, ending with the item key.
    static QStringList orderColumns(const TransferKind& kind, Order order);
    // The kind's orders with the 정 렬 menu's captions.
    static QList<std::pair<QString, Order>> orders(const TransferKind& kind);
    static QString salaryName(int salary);
    // The most an apartment item may carry: the Apt setting of Firm.ini in millions of won.
    Money apartmentLimit() const;
    QString apartmentLimitText() const;

    TransferItems(Workspace& context, const TransferKind& kind, qint64 batch);

    const TransferKind& kind() const { return m_kind; }
    qint64 batch() const { return m_batch; }
    bool batchExists() const;
    // "대량입금-" + the institution whose code the batch carries + " 이체자료"; "대량입금-이체자료" without one.
    QString caption() const;
    bool isReadOnly() const;
    // Whether items may be entered, changed, copied or deleted while this item is current: never in a sent batch,
    // and for apartments not while a sent item (state 2 or more) is current.
    bool allowsChanges(qint64 current) const;

    // 개별입력 / 연속입력.
    bool continuousEntry() const { return m_continuousEntry; }
    void setContinuousEntry(bool on) { m_continuousEntry = on; }
    Order order() const { return m_order; }
    void setOrder(Order order) { m_order = order; }

    // Every item of the batch in the chosen order.
    QList<Row> rows() const;
    std::optional<Row> row(qint64 key) const;
    int count() const;
    // The sum of the batch's stored amounts.
    Money total() const;

    // 입 력: the new item's values, focus on the bank code.
    Outcome startNew() const;
    // 수 정: the stored item, when it may be edited.
    Outcome startEdit(qint64 key) const;
    // 저 장 of a new (key 0) or edited item. A refused save keeps the entry: the outcome's item holds what the
    // editor shows then (a merged bank's code already replaced).
    Outcome save(const Item& edited);
    // The same with the amount as the box holds it: refused at once, focus on the amount, when it is not an amount.
    Outcome save(const Item& edited, const QString& typedAmount);
    // 복 사 of one item into a new item of the batch.
    Outcome copy(qint64 key);
    // 삭 제: asks for the selected items (the current one when none is selected) and deletes them.
    Outcome remove(qint64 current, const QList<qint64>& selected);
    // 선택자료 이체금액 수정 with what the input box returned: sets the amount of the selected items (the current
    // one when none is selected).
    Outcome changeAmount(const QString& text, qint64 current, const QList<qint64>& selected);
    // 전체선택: every key, first to last, in the chosen order.
    QList<qint64> selectAll() const;
    // 오류 계좌 검색 from the current item onward, the current one included.
    Outcome findBadAccount(qint64 current) const;
    // The search dialog's fund-category list: a blank entry, then the names.
    QStringList searchFundNames() const;
    // 검 색: " 처음부터" (fromStart) or " 계속검색" from the item after current.
    Outcome search(const Search& search, bool fromStart, qint64 current) const;
    // 불능자료.
    FailedItems failedItems() const;

private:
    struct BatchInfo {
        bool exists = false;
        int state = 0;
        QDate transferDate;
    };

    BatchInfo batchInfo() const;
    bool keepTotals(const BatchInfo& batch);
    Item newItem(const BatchInfo& batch) const;
    bool isKnownBank(const QString& code) const;
    bool isKnownFund(const QString& code) const;
    bool isValidAccount(const QString& bankCode, const QString& account) const;
    QList<Row> select(const QString& where, const QVariantList& values) const;
    Outcome refuse(const QString& text, Field focus, const Item& item) const;
    // The first refusal of the amount and of the typed texts, in the order of the boxes; none when they may be stored.
    std::optional<std::pair<QString, Field>> textRefusal(const Item& item) const;
    std::optional<std::pair<QString, Field>> amountRefusal(Money amount) const;
    Outcome found(const Row& row, const QString& message = {}) const;

    Workspace& m_context;
    const TransferKind& m_kind;
    qint64 m_batch = 0;
    bool m_continuousEntry = false;
    Order m_order = Order::Key;
};
