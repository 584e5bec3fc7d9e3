#pragma once

#include <QDialog>

class Workspace;
class Clock;
struct EnvironmentSummary;
class QGridLayout;
class QLabel;
class QTimer;

// "사용 환경 정보": a read-only summary of the installation with a running clock.
class TfmInfoDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int UpdateInterval = 100;

    explicit TfmInfoDlg(Workspace& workspace, QWidget* parent = nullptr);

    // Shows the summary of the installation until the user closes it.
    static void execute(Workspace& workspace, QWidget* parent = nullptr);

private:
    void addSummaryRows(QGridLayout* grid, const QString& title, const EnvironmentSummary& summary);
    QLabel* addRow(QGridLayout* grid, int row, const QString& caption, const QString& name, const QString& value);
    void showTime();

    const Clock& m_clock;
    QLabel* m_dateTime = nullptr;
    QTimer* m_updateTimer;
};
