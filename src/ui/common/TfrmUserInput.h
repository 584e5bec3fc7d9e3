#pragma once

#include <QDialog>

class Workspace;
class Messages;
class Progress;
class QLabel;
class QLineEdit;
class QPushButton;

// The small modal input dialog: the S/W password check at start and one-line prompts elsewhere.
class TfrmUserInput : public QDialog {
    Q_OBJECT
public:
    TfrmUserInput(Messages& messages, Progress& waitWindow, QWidget* parent = nullptr);

    // True when the user typed the stored S/W password, within three tries.
    static bool checkSoftwarePassword(Workspace& context);
    // Asks for one line prefilled with text; false and text cleared when the user cancels.
    static bool prompt(Workspace& context, const QString& caption, const QString& promptText, QString& text);

    void setPrompt(const QString& text);
    // A line of advice below the box.
    void setHint(const QString& text);
    void setText(const QString& text);
    QString text() const;
    void setMasked(bool masked);
    void setAllowEmpty(bool allowEmpty) { m_allowEmpty = allowEmpty; }
    // The edit must equal expected; after maximumAttempts failures the dialog gives up with Rejected.
    void setCompare(const QString& expected, int maximumAttempts);

private:
    void confirm();

    Messages& m_messages;
    Progress& m_waitWindow;
    QLabel* m_msgLabel;
    QLabel* m_hintLabel;
    QLineEdit* m_inputEdit;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    bool m_allowEmpty = true;
    bool m_compareMode = false;
    QString m_expected;
    int m_attempts = 0;
    int m_maximumAttempts = 0;
};
