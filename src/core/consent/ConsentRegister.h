#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <optional>

class Database;
class Workspace;

// The rules behind the consent register (TfmTongRegister): entering a consent with its checks in the screen's
// order, the duplicate and real-name number rules, queueing registrations and cancellations, replacing resident
// registration numbers by birth dates, deleting, the state counts, filter, order and search. The screen keeps only
// its widgets; fbctl runs the same rules. Every change is one transaction.
//
// A grid row is known by the rowid of its TongRegister row; a selection is either those keys or every row that
// passes the filter (select all never reads the rows).
class ConsentRegister {
public:
    // The editor that gets the focus.
    enum class Field { None, Name, Institution, BankCode, Account, Payer, RealName };
    // 정 렬: 정렬 안함 (the primary key), 계좌번호 순으로 정렬, 상태+송신일.
    enum class Order { Key, Account, StateSendDate };

    // One consent as the entry panel holds it. key 0 is a consent not yet stored.
    struct Consent {
        qint64 key = 0;
        QString institution; // Giganid
        QString bankCode; // Bankcd
        QString account; // Bankno, without hyphens once stored
        QString payerNumber; // NapbuNO
        int state = 0; // Status
        QString name; // NAME
        QString branch; // BanksubCD
        QDateTime requested; // RequestDate
        QDateTime sent; // Senddate
        QDateTime received; // Receivedate
        QVariant resultCode; // ResultCD; null when none
        bool checkJumin = false;
        QString realNameNumber; // JuminNO
        bool accepted = false; // ResultYN
    };

    // What a command did: whether it happened, the message it showed last (empty for none), the editor to focus and
    // the consent the screen shows next.
    struct Outcome {
        bool done = false;
        QString message;
        Field focus = Field::None;
        Consent consent;
        // Continuous entry: the new consent that saving started at once.
        std::optional<Consent> next;
        // Rows queued or deleted.
        int count = 0;
    };

    // The radio filter: one state, or every row ("전체"); fbctl may narrow it to one institution's rows.
    struct Filter {
        std::optional<int> state;
        QString institution; // Giganid; empty for every institution
    };

    // The grid's selection: the keys chosen, or every row of the filter.
    struct Selection {
        QList<qint64> keys;
        bool all = false;
        Filter filter;
    };

    // The counts on the filter controls.
    struct Counts {
        std::array<int, 8> byState {};
        int total = 0;
    };

    // One entry of the institution list: "대량출금-" or "아파트-" and the name, with its code.
    struct Institution {
        QString text;
        QString code;
    };

    // Why a consent cannot be stored as typed, and the editor to focus; an empty message when it can.
    struct Refusal {
        QString message;
        Field focus = Field::None;
    };

    // The search dialog's four fields; a blank field matches anything, a filled one only its exact value.
    struct Search {
        QString name;
        QString realNameNumber;
        QString account;
        QString payerNumber;
    };

    static QString caption() { return QStringLiteral("출금동의 등록/해지"); }
    // The WHERE clause and values of a filter, the one rule behind the grid's counts, select all and fbctl's --all;
    // and the grid's ORDER BY columns (the primary key as tie-break).
    static QString filterWhere(const Filter& filter);
    static QVariantList filterValues(const Filter& filter);
    static QStringList orderColumns(Order order);
    // The text of a key as fbctl prints and reads it: INSTITUTION/BANK/ACCOUNT/PAYER.
    static QString keyText(const Consent& consent);

    explicit ConsentRegister(Workspace& context);

    // 개별입력 / 연속입력.
    bool continuousEntry() const { return m_continuousEntry; }
    void setContinuousEntry(bool on) { m_continuousEntry = on; }

    QList<Institution> institutions() const;
    Counts counts() const;
    int count(const Filter& filter) const;
    int selectedCount(const Selection& selection) const;
    std::optional<Consent> consent(qint64 key) const;
    // The row of a key text; none when it is malformed or no row has it.
    std::optional<qint64> keyOf(const QString& keyText) const;
    // The rows of key texts in their order, each found through the key's index. False at the first text that is
    // malformed or names no row, which unknown then holds.
    bool keysOf(const QStringList& keyTexts, QList<qint64>& keys, QString& unknown) const;
    // Every consent of the filter in primary-key order; a non-empty institution narrows it to that institution.
    QList<Consent> list(const Filter& filter, const QString& institution = {}) const;

    // 입 력: refused while a selected row is in flight; else the new consent's values, focus on the name.
    Outcome startNew(const Selection& selection) const;
    // 저 장 of a new consent. A refused save keeps the entry as the outcome's consent.
    Outcome save(const Consent& entered);

    // What keeps a consent's texts from being stored as they were given: a CR, LF, TAB or NUL, or more CP949 bytes
    // than the column holds, in any of them; an account of more than 15 digits once normalised. Asked by save()
    // and store() alike, so that no way in stores a different account than the one given.
    static Refusal textRefusal(const Consent& consent);

    // The duplicate rule on plain values: a stored consent of the same institution, bank, account (normalised, as
    // store() keeps it) and payer number (in any case).
    bool isDuplicate(
        const QString& institution, const QString& bankCode, const QString& account, const QString& payerNumber) const;
    // Stores one new consent as given (the account normalised, DisplayBankno, CheckJumin); the caller holds the
    // transaction. Refuses what textRefusal() refuses.
    bool store(const Consent& consent);
    // What the last failed store said: the refusal of a text (empty when none), a duplicate key or another database
    // error.
    const QString& lastStoreRefusal() const { return m_storeRefusal; }
    bool lastStoreWasKeyViolation() const { return m_keyViolation; }

    // 등록신청(등록대기) and 해지신청(해지대기).
    Outcome queueRegistrations(const Selection& selection);
    Outcome queueCancellations(const Selection& selection);
    // 주민번호변경 over every institution's rows.
    Outcome replaceResidentNumbers();
    // 삭 제 of the selected rows, or of the current one when none is selected.
    Outcome remove(qint64 current, const Selection& selection);
    // 검 색 in the grid's filter and order: from the first row, or from the row after current.
    Outcome search(const Search& search, bool fromStart, qint64 current, const Filter& filter, Order order) const;

private:
    Database& database() const;
    Consent newConsent() const;
    bool isKnownBank(const QString& code) const;
    bool isListedInstitution(const QString& code) const;
    Outcome refuse(const QString& text, Field focus, const Consent& consent) const;
    bool chooseRows(const Selection& selection) const;
    // The name of the first chosen row in flight, when one is.
    std::optional<QString> firstInFlightName() const;
    int chosenCount() const;
    bool lacksEvidence() const;
    int chosenInState(int state) const;
    bool holdsResidentNumber() const;
    Outcome queue(int state, const Selection& selection);
    QList<Consent> select(const QString& where, const QVariantList& values, const QString& orderBy) const;

    Workspace& m_context;
    bool m_continuousEntry = false;
    bool m_keyViolation = false;
    QString m_storeRefusal;
};
