#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class Workspace;

// The rules of the institution settings (the Usercode table): one row per institution with the codes, passwords
// and file identifiers the bank assigned to it per service. Validation in its fixed order with its message and the
// field that gets the focus, the questions about codes in use and duplicate codes, one statement per save or
// delete, and the log line with the passwords masked.
class InstitutionSettings {
public:
    // One institution as the screen edits it: the values by column name, and its row number (0 while new).
    struct Row {
        QHash<QString, QString> values;
        qint64 rec = 0;

        QString value(const QString& column) const { return values.value(column); }
    };

    // Where a refused save leaves the focus: a column name, or empty when the save went through.
    struct Outcome {
        bool saved = false;
        QString focus;
    };

    // The columns the screen shows and edits, in the screen's order.
    static const QStringList& editedColumns();
    // The consent identifiers every row entered or edited carries.
    static QString consentFileCode() { return QStringLiteral("QK150"); }

    explicit InstitutionSettings(Workspace& context, const QString& caption = QStringLiteral("이용자설정"));

    // Every institution in name order.
    QList<Row> rows() const;
    // The row named so, if there is one.
    bool find(const QString& name, Row& row) const;
    Row newRow() const;
    // Asks before changing or deleting an institution whose codes batches already carry; false when the user
    // declines.
    bool confirmCodesInUse(const Row& row) const;
    // Checks, asks about duplicate codes, writes, logs. The row's values are trimmed, the identifiers upper-cased,
    // and the consent identifiers set. Every typed text is checked first, in the screen's order, for line-breaking
    // characters and its column's width in CP949 bytes, the mother accounts for at most 14 digits; the message
    // names the box by its label.
    Outcome save(Row& row);
    // Asks, logs and deletes; false when declined or refused.
    bool remove(const Row& row);
    // The log line of a save or delete: the caption, the action, then each logged field and its value.
    QString logLine(const QString& action, const Row& row) const;

private:
    Outcome refuse(const QString& text, const QString& focus) const;
    bool checkGroups(const Row& row, Outcome& outcome) const;
    bool confirmDuplicateCodes(Row& row, Outcome& outcome) const;
    Outcome write(Row& row);

    Workspace& m_context;
    QString m_caption;
};
