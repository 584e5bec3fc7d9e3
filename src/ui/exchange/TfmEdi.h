#pragma once

#include "core/exchange/SendReceiveRun.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;
class Workspace;

// The send/receive window: what is sent or received, listed as the run writes and imports it. The sending modes
// write the files and wait for 송 신 / 송수신; the receiving modes run at once. Closing the window at any point
// leaves the tables as they are.
class TfmEdi : public QDialog {
    Q_OBJECT
public:
    // Without a preview the list of payers without a registered consent is shown as a modal window.
    TfmEdi(Workspace& workspace, SendReceiveRun::Mode mode, QWidget* parent = nullptr,
        SendReceiveRun::ConsentPreview preview = {});
    ~TfmEdi() override;

    // Opens the window in a mode; the sending modes only after the main window's same-day check.
    static void execute(Workspace& workspace, SendReceiveRun::Mode mode, QWidget* parent);

    // The work of the window's first showing, and of 송 신.
    void start();
    void send();

    SendReceiveRun& run() { return m_run; }
    QTableWidget* grid() const { return m_grid; }

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    SendReceiveRun::Listener listener();
    SendReceiveRun::ConsentPreview modalPreview();
    void showStatus(const QString& text, bool failure);
    void addRow(const TEdiInfo& row);
    void addReason(const QString& reason);
    void showCount();
    void transmitAndFinish();
    void finish();
    // Paints what changed, so the list grows visibly while the run works.
    void paintNow();

    Workspace& m_workspace;
    SendReceiveRun m_run;
    QLabel* m_title;
    QLabel* m_count;
    QTableWidget* m_grid;
    QLabel* m_status;
    QPushButton* m_send;
    QPushButton* m_stop;
    QPushButton* m_exit;
    bool m_started = false;
    bool m_working = false;
};
