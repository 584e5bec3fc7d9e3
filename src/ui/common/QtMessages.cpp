#include "ui/common/QtMessages.h"

#include "core/common/Progress.h"

#include <QApplication>
#include <QPushButton>

namespace {
QMessageBox::StandardButton standardButton(Messages::Button button)
{
    switch (button) {
    case Messages::Button::Ok:
        return QMessageBox::Ok;
    case Messages::Button::Cancel:
        return QMessageBox::Cancel;
    case Messages::Button::Yes:
        return QMessageBox::Yes;
    case Messages::Button::No:
        return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

Messages::Button messagesButton(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok:
        return Messages::Button::Ok;
    case QMessageBox::Yes:
        return Messages::Button::Yes;
    case QMessageBox::No:
        return Messages::Button::No;
    default:
        return Messages::Button::Cancel;
    }
}

// The boxes speak Korean whatever the installed Qt translations are.
void setKoreanButtonTexts(QMessageBox& box)
{
    const std::pair<QMessageBox::StandardButton, QString> texts[] = {
        { QMessageBox::Ok, QStringLiteral("확인") },
        { QMessageBox::Cancel, QStringLiteral("취소") },
        { QMessageBox::Yes, QStringLiteral("예") },
        { QMessageBox::No, QStringLiteral("아니요") },
    };
    for (const auto& [button, text] : texts) {
        if (QAbstractButton* shown = box.button(button))
            shown->setText(text);
    }
}

// The program's texts break lines with a bare CR, which Qt would paint as a space.
QString withLineFeeds(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}
} // namespace

void QtMessages::information(const QString& text)
{
    m_waitWindow.close();
    showBox(QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessages::error(const QString& text)
{
    m_waitWindow.close();
    showBox(QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessages::question(const QString& text, bool defaultYes)
{
    m_waitWindow.hideForAMoment();
    const QMessageBox::StandardButton pressed = showBox(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
        defaultYes ? QMessageBox::Yes : QMessageBox::No);
    m_waitWindow.showAgain();
    return pressed == QMessageBox::Yes;
}

Messages::Button QtMessages::messageBox(const QString& text, Buttons buttons, Button defaultButton)
{
    const QMessageBox::StandardButtons shown = buttons == Buttons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
        : buttons == Buttons::YesNo                                         ? QMessageBox::Yes | QMessageBox::No
                                    : QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    m_waitWindow.hideForAMoment();
    const QMessageBox::StandardButton pressed
        = showBox(QMessageBox::Question, text, shown, standardButton(defaultButton));
    m_waitWindow.showAgain();
    return messagesButton(pressed);
}

bool QtMessages::warning(const QString& caption, const QString& text)
{
    m_waitWindow.hideForAMoment();
    const QMessageBox::StandardButton pressed
        = showBox(QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, caption);
    m_waitWindow.showAgain();
    return pressed == QMessageBox::Yes;
}

QMessageBox::StandardButton QtMessages::showBox(QMessageBox::Icon icon, const QString& text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton, const QString& caption)
{
    QMessageBox box(
        icon, caption.isEmpty() ? title() : caption, withLineFeeds(text), buttons, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    setKoreanButtonTexts(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
