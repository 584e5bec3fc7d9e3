#pragma once

#include "core/common/AppInfo.h"

#include <QString>

// Every message and question of the program goes through this seam: the windowed program shows
// message boxes captioned with the application title, fbctl prints, tests script the answers.
class Messages {
public:
    enum class Button { Ok, Cancel, Yes, No };
    enum class Buttons { OkCancel, YesNo, YesNoCancel };

    virtual ~Messages() = default;

    virtual void information(const QString& text) = 0;
    virtual void error(const QString& text) = 0;
    // Yes/No question; No is the default button unless defaultYes.
    virtual bool question(const QString& text, bool defaultYes = false) = 0;
    // Yes/No question with the warning icon under its own caption; Yes is the default.
    virtual bool warning(const QString& caption, const QString& text) = 0;
    // General message box, always with the question icon.
    virtual Button messageBox(const QString& text, Buttons buttons, Button defaultButton) = 0;
    // The same box captioned with its own text in place of the application title. proceed is the answer that
    // carries the operation on: fbctl gives it only when told --yes, and the other answer otherwise.
    virtual Button captionedBox(
        const QString& caption, const QString& text, Buttons buttons, Button defaultButton, Button proceed);

    // The application title, the caption of every message box. The start sequence changes it (a short one
    // between the password check and the main window).
    const QString& title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }

private:
    QString m_title = AppInfo::fullTitle();
};
