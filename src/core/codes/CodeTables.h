#pragma once

#include "core/data/TDM1.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class Workspace;

// The rules behind the code-table screens (TfmCode2 for every code table, TfmCode_Bank for the bank codes): which
// table a menu tag selects, whether it may be changed, its rows, and the checks of 입력, 수정, 저장 and 삭제. The
// screen keeps only its widgets: it asks here before each command, hands over what the boxes hold and puts the
// focus where the outcome says.
//
// The shared tables of the data module are refreshed once, by close(), when an editable table opened in edit form
// is left, whether or not a row changed; lookups elsewhere see the changes from then on.
class CodeTables {
public:
    // The box that gets the focus after a refused save.
    enum class Field { None, Code, Name, SendVersion };

    // One row of the grid; the last three are the bank table's own settings (empty and false elsewhere).
    struct Row {
        QString id;
        QString name;
        QString sendVersion;
        bool moneyLaw = false;
        bool juminCheck = false;
    };

    // What the editing boxes hold when 저장 is pressed. originalId is the code of the row being edited, empty
    // for a new row. sendVersionIndex is the bank screen's 은행전문 selector (-1: nothing selected); other tables
    // ignore it.
    struct Edit {
        QString originalId;
        QString code;
        QString name;
        int sendVersionIndex = 0;
    };

    struct SaveOutcome {
        bool saved = false;
        Field focus = Field::None;
        QString id; // the code as stored, once saved
    };

    static constexpr int EditableCodeWidth = 2;
    static constexpr int EditableNameWidth = 12;
    static constexpr int MaxRows = 99;

    // The table a menu tag selects: 0 banks, 5-11 CODEE-CODEK, 15 CODEO, 16 CODEP, 19 codeV, 20 CodeT, 21 codes.
    static std::optional<TDM1::CodeKind> kindOfTag(int tag);
    // The menu's caption of a tag, which the screen takes as its own; empty for an unknown tag.
    static QString menuCaption(int tag);
    // Only the banks and the two fund categories of deposits and withdrawals are kept by the user.
    static bool isEditable(TDM1::CodeKind kind);
    // The grid texts of the bank settings: "적용" and "검사" when set, else empty.
    static QString moneyLawText(bool moneyLaw);
    static QString juminCheckText(bool juminCheck);
    // The 은행전문 selector's index for a stored SENDVERSION: 0 for "0" or empty, 1 for "1", -1 for anything else.
    static int sendVersionIndex(const QString& sendVersion);

    // caption is the screen's caption, the start of every log line; editForm false opens the table view-only.
    CodeTables(Workspace& context, int tag, const QString& caption, bool editForm);

    bool isValid() const { return m_kind.has_value(); }
    TDM1::CodeKind kind() const { return m_kind.value_or(TDM1::CodeKind::CodeV); }
    QString table() const;
    const QString& caption() const { return m_caption; }
    bool isBankTable() const { return m_kind == TDM1::CodeKind::Bank; }
    bool isEditable() const { return m_kind && isEditable(*m_kind); }
    bool isEditForm() const { return m_editForm; }
    // 입력, 수정 and 삭제 are offered only for an editable table opened in edit form.
    bool canChange() const { return isEditable() && m_editForm; }
    // The most CP949 bytes the code and name boxes take and save() stores; 0 (no limit) for tables that are only
    // viewed. A name of an editable table is sent to the bank in 12 bytes, narrower than its column.
    int codeWidth() const { return isEditable() ? EditableCodeWidth : 0; }
    int nameWidth() const { return isEditable() ? EditableNameWidth : 0; }
    // The code as it is stored: trimmed, upper case, and for a box with a width padded on the left with "0" to
    // it. A longer code stays longer: save() refuses it.
    QString storedCode(const QString& code) const;

    // Every row in code order; empty when the table cannot be read (the error is reported).
    QList<Row> rows() const;
    int rowCount() const;

    // 입력: false when the table may not be changed, or, with the message, when it holds 99 rows already.
    bool canInsert() const;
    // 수정: false when the table may not be changed or the user declines the bank table's warning.
    bool canEdit() const;
    // 저장 of a new or edited row, checked in the screen's order after the boxes' widths and line-breaking
    // characters; a refusal shows its message and names the box.
    SaveOutcome save(const Edit& edit);
    // 삭제: the bank table's warning, then the question with the number of selected rows (1 when none is
    // selected); false when the user declines either.
    bool confirmDelete(int selectedCount) const;
    // Deletes the selected codes, or the current one when none is selected, in one transaction, and logs the
    // current row. Ask confirmDelete() first.
    bool remove(const Row& current, const QStringList& selectedIds);
    // Leaving the screen: refreshes the data module's shared tables (and the bank code list) when an editable
    // table was opened in edit form.
    void close();

private:
    SaveOutcome refuse(const QString& text, Field focus) const;
    void writeLog(const QString& action, const QString& id, const QString& name) const;

    Workspace& m_context;
    std::optional<TDM1::CodeKind> m_kind;
    QString m_caption;
    bool m_editForm = false;
};
