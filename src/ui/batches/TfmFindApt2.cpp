#include "ui/batches/TfmFindApt2.h"

#include "ui/common/SearchButtons.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QLineEdit>

TfmFindApt2::TfmFindApt2(TransferItems& items, Current current, Found found, QWidget* parent)
    : QDialog(parent)
    , m_items(items)
    , m_current(std::move(current))
    , m_found(std::move(found))
    , m_name(new QLineEdit(this))
    , m_payer(new QLineEdit(this))
    , m_account(new QLineEdit(this))
{
    setObjectName(QStringLiteral("fmFindApt2"));
    setWindowTitle(QStringLiteral("검색"));
    m_name->setObjectName(QStringLiteral("edName"));
    m_payer->setObjectName(QStringLiteral("edNapbuNo"));
    m_account->setObjectName(QStringLiteral("edAccount"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("입주자명"), m_name);
    form->addRow(QStringLiteral("실명번호"), m_payer);
    form->addRow(QStringLiteral("계좌번호"), m_account);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(searchButtons(this, [this](bool fromStart) { search(fromStart); }));
}

bool TfmFindApt2::search(bool fromStart)
{
    TransferItems::Search wanted;
    wanted.name = m_name->text();
    wanted.payerNumber = m_payer->text();
    wanted.account = m_account->text();
    wanted.exact = true;
    const TransferItems::Outcome outcome = m_items.search(wanted, fromStart, m_current());
    if (outcome.done)
        m_found(outcome.item.key);
    return outcome.done;
}
