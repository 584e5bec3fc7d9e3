#include "ui/consent/TfmFindRegister.h"

#include "core/consent/ConsentRegister.h"
#include "ui/common/LazyGrid.h"
#include "ui/common/SearchButtons.h"
#include "ui/consent/TfmTongRegister.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

TfmFindRegister::TfmFindRegister(const ConsentRegister& consents, TfmTongRegister& screen)
    : QDialog(&screen)
    , m_consents(consents)
    , m_screen(screen)
    , m_name(new QLineEdit(this))
    , m_realName(new QLineEdit(this))
    , m_account(new QLineEdit(this))
    , m_payer(new QLineEdit(this))
{
    setObjectName(QStringLiteral("fmFindRegister"));
    setWindowTitle(QStringLiteral("검색"));
    m_name->setObjectName(QStringLiteral("edName"));
    m_realName->setObjectName(QStringLiteral("edJuminNo"));
    m_account->setObjectName(QStringLiteral("edBankNo"));
    m_payer->setObjectName(QStringLiteral("edNapbuNo"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("이름"), m_name);
    form->addRow(QStringLiteral("실명번호"), m_realName);
    form->addRow(QStringLiteral("계좌번호"), m_account);
    form->addRow(QStringLiteral("납부자번호"), m_payer);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(searchButtons(this, [this](bool fromStart) { search(fromStart); }));
    const std::pair<const char*, const char*> hints[] = { { "btnFirst", "Ctrl+F" }, { "btnNext", "Ctrl+N" } };
    for (const auto& [name, keys] : hints) {
        auto* button = findChild<QPushButton*>(QString::fromLatin1(name));
        button->setShortcut(QKeySequence(QString::fromLatin1(keys)));
    }
    findChild<QPushButton*>(QStringLiteral("btnFirst"))->setToolTip(QStringLiteral("처음부터 검색[Ctrl-F]"));
    findChild<QPushButton*>(QStringLiteral("btnNext"))->setToolTip(QStringLiteral("계속검색[Ctrl-N]"));
}

bool TfmFindRegister::search(bool fromStart)
{
    const ConsentRegister::Search wanted { m_name->text(), m_realName->text(), m_account->text(), m_payer->text() };
    const ConsentRegister::Outcome found
        = m_consents.search(wanted, fromStart, m_screen.currentKey(), m_screen.filter(), m_screen.order());
    if (found.done)
        m_screen.moveTo(found.consent.key);
    return found.done;
}
