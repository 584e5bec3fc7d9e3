#pragma once

#include "core/batches/TransferKind.h"
#include "core/common/Money.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

class Workspace;

// The rules of a kind's batch list, written once for the three transfer kinds: a new batch and its defaults, the
// header saved after its checks in order, hold and release with the items following, copies, deletes, the closing
// of the items with the totals and state that follow them, and the log lines. Copies and deletes run in one
// transaction each: all of it happens or none of it does.
class TransferBatches {
public:
    // The editor a refused save puts the focus on.
    enum class Field { None, Date, Institution, Password, Remark };

    // A batch header as the screen edits it; id 0 while new.
    struct Header {
        qint64 id = 0;
        QString institution; // the kind's institution code (GiganID10)
        // The institution row chosen (Usercode.Rec): institutions may share a code, each with its own password and
        // mother account. 0, or a row without the code, takes the first of the code by name.
        qint64 institutionRow = 0;
        QString password;
        QDate date;
        QString remark;
        int salary = 1; // deposit only
    };

    struct Outcome {
        bool saved = false;
        Field focus = Field::None;
        bool told = true; // false for a refusal that shows no message (a withdrawal dated too late)
    };

    // An institution with a code of the kind, as the drop-down lists it.
    struct Institution {
        qint64 row = 0; // Usercode.Rec
        QString code;
        QString name;
    };

    // What closing the item screen came to.
    enum class Closing { Closed, OverFundLimit, NotOpen, Failed };

    // One row of the batch list as fbctl prints it.
    struct Summary {
        qint64 id = 0;
        QDate date;
        QString institution;
        int state = 0;
        qint64 count = 0;
        Money amount;
    };

    TransferBatches(Workspace& context, const TransferKind& kind, const QString& caption);

    const TransferKind& kind() const { return m_kind; }
    // The group templates of the kind as the 그 룹 menu lists them: the group's key and its caption, the name, five
    // spaces, a backspace (which right-aligns the rest in a menu) and the number of its items with "건".
    QList<std::pair<qint64, QString>> groups() const;
    // The institutions with a code of the kind, in code order.
    QList<Institution> institutions() const;
    // A new header for the first institution of the kind; nothing, with the message, when no institution has a
    // code of the kind.
    std::optional<Header> newBatch() const;
    // The stored header; its institution row is the one of the code whose password and mother account the batch
    // carries.
    std::optional<Header> header(qint64 id) const;
    // The six checks in order and the remark's, then the row is written with the chosen institution's mother
    // account and TOIO; the header takes its key when new.
    Outcome save(Header& header);
    // The chosen institution's password, for a batch entered without one (fbctl).
    QString institutionPassword(const Header& header) const;
    // The mother account a batch of the chosen institution carries; empty for a kind without one.
    QString motherAccount(const Header& header) const;
    // Whether the batch names an institution: its items open only then.
    bool hasInstitution(qint64 id) const;

    // Hold (1 → 0) or release (0 → 1) with every item, after the question; false for any other state or No.
    bool toggleHold(qint64 id);
    // A copy of the batch with all its items or its failed ones ("X", "N"), dated the next business day. Bank
    // codes of merged banks are changed on deposit items, and the user told after. Nothing on failure.
    std::optional<qint64> copy(qint64 id, bool failedOnly);
    // Deletes the batches with their items after both questions: the selected ones, or the current one when none
    // is selected. False without a question when one of them is not a batch.
    bool remove(const QList<qint64>& ids);
    // Withdrawal and apartment batches may carry at most 15 fund categories among their unsent items: false, with
    // the message, when they carry more.
    bool withinFundLimit(qint64 id) const;
    // Closing the items of a batch not yet sent, from their screen or a script: the fund-category limit, then
    // closeItems. A batch past the limit keeps its totals and state.
    Closing close(qint64 id);
    // The totals per bank group and the state that follow the items, while the batch is not sent: -1 without
    // items, and -1 becomes 1 once it has some.
    bool closeItems(qint64 id);

    // The result view of a batch: 전체, 중앙회, 회원조합, 타행 and 이체불능 (what the first leaves after the other
    // three), each a count and an amount.
    struct ResultLine {
        qint64 count = 0;
        Money amount;
    };
    QList<ResultLine> results(qint64 id) const;

    QList<Summary> list() const;
    int state(qint64 id) const;

private:
    Outcome refuse(const QString& text, Field focus) const;
    QString institutionValue(const Header& header, const QString& column) const;
    bool write(Header& header);
    struct MergedBanks {
        bool toBank88 = false;
        bool toBank81 = false;
    };

    qint64 copyItems(qint64 source, qint64 target, const QDate& date, bool failedOnly);
    MergedBanks mergedBanks(qint64 source, bool failedOnly) const;
    void tellMergedBanks(const MergedBanks& merged) const;
    QString logLine(qint64 id, const QString& action, const QStringList& fields) const;
    bool fail() const;

    Workspace& m_context;
    const TransferKind& m_kind;
    QString m_caption;
};
