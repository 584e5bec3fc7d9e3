#include "core/common/Messages.h"

Messages::Button Messages::captionedBox(
    const QString& caption, const QString& text, Buttons buttons, Button defaultButton, Button)
{
    const QString title = m_title;
    m_title = caption;
    const Button pressed = messageBox(text, buttons, defaultButton);
    m_title = title;
    return pressed;
}
