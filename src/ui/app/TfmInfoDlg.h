#pragma once

#include <QDialog>
#include <QSqlDatabase>

class AppContext;
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

    TfmInfoDlg(AppContext& context, const QSqlDatabase& database, QWidget* parent = nullptr);

    // Shows the summary of the working database's installation until the user closes it.
    static void execute(AppContext& context, QWidget* parent = nullptr);

private:
    void addSummaryRows(QGridLayout* grid, const EnvironmentSummary& summary);
    QLabel* addRow(QGridLayout* grid, int row, const QString& caption, const QString& name, const QString& value);
    void showTime();

    const Clock& m_clock;
    QLabel* m_dateTime = nullptr;
    QTimer* m_updateTimer;
};
