#include "ScriptedMessages.h"

void ScriptedMessages::information(const QString& text)
{
    m_shown.append({ QStringLiteral("information"), text, {} });
}

void ScriptedMessages::error(const QString& text)
{
    m_shown.append({ QStringLiteral("error"), text, {} });
}

bool ScriptedMessages::question(const QString& text, bool defaultYes)
{
    m_shown.append({ QStringLiteral("question"), text, {} });
    if (m_answers.isEmpty())
        return defaultYes;
    return m_answers.dequeue() == Button::Yes;
}

bool ScriptedMessages::warning(const QString& caption, const QString& text)
{
    m_shown.append({ QStringLiteral("warning"), text, caption });
    if (m_answers.isEmpty())
        return true;
    return m_answers.dequeue() == Button::Yes;
}

Messages::Button ScriptedMessages::messageBox(const QString& text, Buttons, Button defaultButton)
{
    m_shown.append({ QStringLiteral("messageBox"), text, {} });
    return m_answers.isEmpty() ? defaultButton : m_answers.dequeue();
}

Messages::Button ScriptedMessages::captionedBox(
    const QString& caption, const QString& text, Buttons, Button defaultButton, Button)
{
    m_shown.append({ QStringLiteral("messageBox"), text, caption });
    return m_answers.isEmpty() ? defaultButton : m_answers.dequeue();
}

QStringList ScriptedMessages::texts() const
{
    QStringList texts;
    for (const Shown& shown : m_shown)
        texts << shown.text;
    return texts;
}
