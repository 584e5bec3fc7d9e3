#pragma once

#include "core/common/Progress.h"

#include <memory>

class WaitMsgWindow;

// The shared wait window of long operations. This object lives as long as the program; the window
// inside is created on first use and freed by close().
class TfrmWaitMsg : public Progress {
public:
    TfrmWaitMsg();
    ~TfrmWaitMsg() override;

    void showMessage(const QString& text) override;
    void showProgress(const QString& text, int first, int last, bool showCounts) override;
    void step() override;
    void hideForAMoment() override;
    void showAgain() override;
    void close() override;

    // The window while it exists, else null.
    WaitMsgWindow* window() const { return m_window.get(); }

private:
    WaitMsgWindow& ensureWindow();
    QString progressText(int position, int last) const;

    std::unique_ptr<WaitMsgWindow> m_window;
    bool m_showCounts = false;
};
