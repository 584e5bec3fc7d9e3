#include "ui/batches/TfmFindTon2.h"

#include "ui/common/SearchButtons.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

TfmFindTon2::TfmFindTon2(TransferItems& items, Current current, Found found, QWidget* parent)
    : QDialog(parent)
    , m_items(items)
    , m_current(std::move(current))
    , m_found(std::move(found))
    , m_fund(new QComboBox(this))
    , m_name(new QLineEdit(this))
    , m_account(new QLineEdit(this))
{
    setObjectName(QStringLiteral("fmFindTon2"));
    setWindowTitle(QStringLiteral("검색"));
    m_fund->setObjectName(QStringLiteral("cbFund"));
    m_fund->addItems(items.searchFundNames());
    m_name->setObjectName(QStringLiteral("edName"));
    m_account->setObjectName(QStringLiteral("edAccount"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("자금구분"), m_fund);
    form->addRow(QStringLiteral("성  명"), m_name);
    form->addRow(QStringLiteral("계좌번호"), m_account);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(searchButtons(this, [this](bool fromStart) { search(fromStart); }));
}

bool TfmFindTon2::search(bool fromStart)
{
    TransferItems::Search wanted;
    wanted.fundName = m_fund->currentText();
    wanted.name = m_name->text();
    wanted.account = m_account->text();
    const TransferItems::Outcome outcome = m_items.search(wanted, fromStart, m_current());
    if (outcome.done)
        m_found(outcome.item.key);
    return outcome.done;
}
