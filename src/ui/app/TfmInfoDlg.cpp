#include "ui/app/TfmInfoDlg.h"

#include "core/app/EnvironmentSummary.h"
#include "core/app/Workspace.h"
#include "core/common/Clock.h"
#include "core/common/Messages.h"
#include "core/data/Database.h"
#include "ui/common/ScreenDateTime.h"

#include <QBoxLayout>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

TfmInfoDlg::TfmInfoDlg(Workspace& workspace, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , m_clock(workspace.clock())
    , m_updateTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("fmInfoDlg"));
    setWindowTitle(QStringLiteral("사용 환경 정보"));
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(4);
    addSummaryRows(grid, workspace.messages().title(), EnvironmentSummary::collect(workspace));

    auto* ok = new QPushButton(QStringLiteral("  확 인"), this);
    ok->setObjectName(QStringLiteral("bbnOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    setFixedSize(411, 317);

    m_updateTimer->setObjectName(QStringLiteral("UpdateTimer"));
    m_updateTimer->setInterval(UpdateInterval);
    connect(m_updateTimer, &QTimer::timeout, this, &TfmInfoDlg::showTime);
    m_updateTimer->start();
    showTime();
}

void TfmInfoDlg::execute(Workspace& workspace, QWidget* parent)
{
    TfmInfoDlg dialog(workspace, parent);
    dialog.exec();
}

void TfmInfoDlg::addSummaryRows(QGridLayout* grid, const QString& title, const EnvironmentSummary& summary)
{
    struct Row {
        const char* caption;
        const char* name;
        QString value;
    };
    const Row rows[] = {
        { "프로그램 버젼", "lblVersion", title },
        { "통합누리망ID", "lblVeltoID", summary.loginId },
        { "비밀번호", "lblPassWd", summary.password },
        { "통신 설정", "lblComm", summary.line },
        { "접속 형태 1", "lblPhoneNo1", summary.connection1 },
        { "접속 형태 2", "lblPhoneNo2", summary.connection2 },
        { "송신 경로", "lblSendDir", summary.sendDir },
        { "수신 경로", "lblRecvDir", summary.receiveDir },
        { "프로그램 경로", "lblAppDir", summary.programDir },
        { "이용기관 설정", "lblKiGwan", summary.institutions },
        { "계좌번호 검사", "lblAcctCheck", summary.accountCheck },
    };
    int row = 0;
    for (const Row& shown : rows)
        addRow(grid, row++, QString::fromUtf8(shown.caption), QLatin1String(shown.name), shown.value);
    m_dateTime = addRow(grid, row, QStringLiteral("현재 시각"), QStringLiteral("lblDateTime"), QString());
}

QLabel* TfmInfoDlg::addRow(
    QGridLayout* grid, int row, const QString& caption, const QString& name, const QString& value)
{
    auto* valueLabel = new QLabel(value, this);
    valueLabel->setObjectName(name);
    valueLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    valueLabel->setTextFormat(Qt::PlainText);
    grid->addWidget(new QLabel(caption, this), row, 0);
    grid->addWidget(valueLabel, row, 1);
    return valueLabel;
}

void TfmInfoDlg::showTime()
{
    m_dateTime->setText(ScreenDateTime::dateTime(m_clock.now()));
}
