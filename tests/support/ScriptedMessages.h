#pragma once

#include "core/common/Messages.h"

#include <QQueue>
#include <QStringList>

// Records every message and answers questions from a queue; an empty queue answers with the default.
class ScriptedMessages : public Messages {
public:
    struct Shown {
        QString kind; // "information", "error", "question", "messageBox"
        QString text;
        QString caption = {}; // a captioned box's own caption; empty for the application title
    };

    void information(const QString& text) override;
    void error(const QString& text) override;
    bool question(const QString& text, bool defaultYes = false) override;
    bool warning(const QString& caption, const QString& text) override;
    Button messageBox(const QString& text, Buttons buttons, Button defaultButton) override;
    Button captionedBox(
        const QString& caption, const QString& text, Buttons buttons, Button defaultButton, Button proceed) override;

    void answer(Button button) { m_answers.enqueue(button); }
    void answerYes() { answer(Button::Yes); }
    void answerNo() { answer(Button::No); }

    const QList<Shown>& shown() const { return m_shown; }
    QStringList texts() const;
    QString lastText() const { return m_shown.isEmpty() ? QString() : m_shown.last().text; }
    void clear() { m_shown.clear(); }

private:
    QList<Shown> m_shown;
    QQueue<Button> m_answers;
};
