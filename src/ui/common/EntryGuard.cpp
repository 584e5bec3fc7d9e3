#include "ui/common/EntryGuard.h"

#include <QApplication>
#include <QMetaProperty>
#include <QWidget>

namespace {
const QString CancelQuestion = QStringLiteral("입력중인 자료를 취소하시겠습니까?");
const QString UnsavedQuestion = QStringLiteral("저장하지 않은 자료가 있습니다. 저장하시겠습니까?");
} // namespace

// Each editor's value as its user property holds it: a box's text, a list's choice, a check, a date.
QList<QVariant> EntryGuard::values() const
{
    QList<QVariant> values;
    for (const QWidget* editor : m_editors)
        values << editor->metaObject()->userProperty().read(editor);
    return values;
}

void EntryGuard::begin()
{
    m_start = values();
}

bool EntryGuard::changed() const
{
    return values() != m_start;
}

// The Esc that closes an open drop-down list reaches the window's 취 소 as well.
bool EntryGuard::mayCancel()
{
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        return false;
    }
    return !changed() || m_messages.question(CancelQuestion);
}

Messages::Button EntryGuard::askOnClose()
{
    if (!changed())
        return Messages::Button::No;
    return m_messages.messageBox(UnsavedQuestion, Messages::Buttons::YesNoCancel, Messages::Button::Yes);
}
