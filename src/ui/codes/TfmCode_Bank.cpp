#include "ui/codes/TfmCode_Bank.h"

#include "core/common/FB_CommonFunctions.h"
#include "ui/common/FieldEdit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>

TfmCode_Bank::TfmCode_Bank(Workspace& workspace, const QString& caption, bool viewOnly, QWidget* parent)
    : TfmCode2(workspace, 0, caption, viewOnly, parent)
    , m_sendVersion(new QComboBox(this))
    , m_afterLaw(new QGroupBox(QStringLiteral("[전금법 후] 설정"), this))
    , m_moneyLaw(new QCheckBox(QStringLiteral("출금동의신청 검사"), m_afterLaw))
    , m_juminCheck(new QCheckBox(QStringLiteral("실명번호 검사"), m_afterLaw))
{
    setObjectName(QStringLiteral("fmCode_Bank"));
    m_sendVersion->setObjectName(QStringLiteral("cbSendVersion"));
    m_sendVersion->addItems({ QStringLiteral("전금법전(0)"), QStringLiteral("전금법후(1)") });
    m_sendVersion->setEnabled(false);
    m_moneyLaw->setObjectName(QStringLiteral("chkMoneyLaw"));
    m_juminCheck->setObjectName(QStringLiteral("chkJuminCheck"));
    for (QCheckBox* box : { m_moneyLaw, m_juminCheck })
        box->setEnabled(false);
    auto* selector = new QFormLayout;
    selector->addRow(QStringLiteral("은행전문"), m_sendVersion);
    selector->addRow(QString(), new QLabel(QStringLiteral(":출금동의신청 송수신 여부"), this));
    auto* checks = new QFormLayout(m_afterLaw);
    checks->addRow(m_moneyLaw, new QLabel(QStringLiteral(":이체시 출금동의 등록여부 검사"), m_afterLaw));
    checks->addRow(m_juminCheck, new QLabel(QStringLiteral(":출금동의 등록시 실명번호 검사"), m_afterLaw));
    contentLayout()->addLayout(selector);
    contentLayout()->addWidget(m_afterLaw);
    m_afterLaw->setObjectName(QStringLiteral("grpAfterLaw"));
    connect(nameBox(), &QLineEdit::textEdited, this, [this](const QString& text) {
        QString kept;
        for (const QChar c : text) {
            if (FB_CommonFunctions::symbolsOf(QString(c)).isEmpty())
                kept += c;
        }
        if (kept != text)
            nameBox()->setText(kept);
    });
    resize(430, 460);
}

void TfmCode_Bank::execute(Workspace& workspace, const QString& caption, bool viewOnly, QWidget* parent)
{
    TfmCode_Bank screen(workspace, caption, viewOnly, parent);
    screen.build();
    screen.exec();
}

QStringList TfmCode_Bank::columnTitles() const
{
    return { QStringLiteral("코  드"), QStringLiteral("내         용"), QStringLiteral("은행전문"),
        QStringLiteral("출금동의신청"), QStringLiteral("실명번호") };
}

QStringList TfmCode_Bank::cells(const CodeTables::Row& row) const
{
    return { row.id, row.name, row.sendVersion, CodeTables::moneyLawText(row.moneyLaw),
        CodeTables::juminCheckText(row.juminCheck) };
}

void TfmCode_Bank::showRow(const CodeTables::Row& row)
{
    TfmCode2::showRow(row);
    m_sendVersion->setCurrentIndex(CodeTables::sendVersionIndex(row.sendVersion));
    m_moneyLaw->setChecked(row.moneyLaw);
    m_juminCheck->setChecked(row.juminCheck);
    m_afterLaw->setVisible(row.sendVersion == QLatin1String("1"));
}

int TfmCode_Bank::sendVersionIndex() const
{
    return m_sendVersion->currentIndex();
}

QWidget* TfmCode_Bank::sendVersionBox() const
{
    return m_sendVersion;
}
