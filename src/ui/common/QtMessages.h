#pragma once

#include "core/common/Messages.h"

#include <QMessageBox>

class Progress;

// Message boxes captioned with the application title. Information and error boxes close the wait
// window; questions only step it aside while they are open.
class QtMessages : public Messages {
public:
    explicit QtMessages(Progress& waitWindow)
        : m_waitWindow(waitWindow)
    {
    }

    void information(const QString& text) override;
    void error(const QString& text) override;
    bool question(const QString& text, bool defaultYes = false) override;
    bool warning(const QString& caption, const QString& text) override;
    Button messageBox(const QString& text, Buttons buttons, Button defaultButton) override;

protected:
    // Shows one modal box, captioned with the title unless given a caption, and returns the button pressed; tests
    // replace it to stay out of a modal loop.
    virtual QMessageBox::StandardButton showBox(QMessageBox::Icon icon, const QString& text,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
        const QString& caption = QString());

private:
    Progress& m_waitWindow;
};
