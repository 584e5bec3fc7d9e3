#include "ui/batches/TfmTong2.h"

#include "core/app/Workspace.h"
#include "core/batches/BatchState.h"
#include "core/batches/TransferBatches.h"
#include "core/common/Messages.h"
#include "core/consent/ItemConsents.h"
#include "core/data/TDM1.h"
#include "core/spreadsheet/SpreadsheetSave.h"
#include "core/spreadsheet/SpreadsheetSources.h"
#include "core/spreadsheet/SpreadsheetWriter.h"
#include "ui/batches/ItemGrid.h"
#include "ui/batches/TfmFindApt2.h"
#include "ui/batches/TfmFindTon2.h"
#include "ui/batches/TfmTongMic2.h"
#include "ui/common/FieldEdit.h"
#include "ui/common/LazyGrid.h"
#include "ui/common/LazyTableModel.h"
#include "ui/common/TfrmUserInput.h"

#include <QAction>
#include <QActionGroup>
#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace {

TDM1::CodeKind fundKind(const TransferKind& kind)
{
    return kind.fundTable.compare(QStringLiteral("codeV"), Qt::CaseInsensitive) == 0 ? TDM1::CodeKind::CodeV
                                                                                     : TDM1::CodeKind::CodeT;
}

void fillCodes(QComboBox* box, const QList<TDM1::CodeEntry>& codes)
{
    box->addItem(QString(), QString());
    for (const TDM1::CodeEntry& code : codes)
        box->addItem(code.id + QLatin1Char(' ') + code.name, code.id);
}

} // namespace

TfmTong2::TfmTong2(Workspace& workspace, const TransferKind& kind, qint64 batch, QWidget* parent)
    : EntryScreen(workspace.messages(), TransferItems(workspace, kind, batch).isReadOnly(), parent)
    , m_workspace(workspace)
    , m_items(workspace, kind, batch)
    , m_bankCode(new FieldEdit(2, FieldEdit::UpperCase, this))
    , m_bank(new QComboBox(this))
    , m_account(new FieldEdit(18, FieldEdit::Plain, this))
    , m_amount(new QLineEdit(this))
    , m_name(new FieldEdit(kind.itemTable, QStringLiteral("Bigo"), FieldEdit::Plain, this))
    , m_payer(new FieldEdit(kind.itemTable, QStringLiteral("NapbuNo"), FieldEdit::Plain, this))
    , m_dong(new FieldEdit(kind.itemTable, QStringLiteral("Dong"), FieldEdit::Plain, this))
    , m_ho(new FieldEdit(kind.itemTable, QStringLiteral("Ho"), FieldEdit::Plain, this))
    , m_fundCode(new FieldEdit(2, FieldEdit::UpperCase, this))
    , m_fund(new QComboBox(this))
    , m_remark(new FieldEdit(TransferItems::remarkWidth(kind), FieldEdit::Plain, this))
    , m_salary(new QComboBox(this))
    , m_outcome(new QLineEdit(this))
    , m_date(new QLineEdit(this))
    , m_dateLabel(new QLabel(this))
    , m_result(new QLineEdit(this))
    , m_payerNumber(new QLineEdit(this))
    , m_consentCheck(new QCheckBox(QStringLiteral("출금 동의 등록여부 검사"), this))
    , m_consentPanel(new QLabel(ItemConsents::missingMessage(), this))
    , m_tally(new QLabel(this))
    , m_model(new LazyTableModel(workspace.database(), itemGrid(kind, batch, workspace.data(), &m_consentShown), this))
    , m_grid(new LazyGrid(m_model, this))
{
    setObjectName(QStringLiteral("fmTong2"));
    m_items.setOrder(static_cast<TransferItems::Order>(workspace.itemOrder(kind.itemTable)));
    setWindowTitle(m_items.caption());
    addOwn(OwnCommand::Continuous, QStringLiteral("btnContinuous"), QStringLiteral("개별입력"), {})->setCheckable(true);
    addOwn(
        OwnCommand::Copy, QStringLiteral("btnCopy"), QStringLiteral("복 사"), QKeySequence(QStringLiteral("Ctrl+Y")));
    addOwn(OwnCommand::SelectAll, QStringLiteral("mnuSelectAll"), QStringLiteral("전체선택"),
        QKeySequence(QStringLiteral("Ctrl+A")));
    addOwn(OwnCommand::BadAccount, QStringLiteral("mnuBadAccount"), QStringLiteral("오류 계좌 검색"),
        QKeySequence(QStringLiteral("Ctrl+B")));
    addOwn(OwnCommand::ChangeAmount, QStringLiteral("mnuChangeAmount"), QStringLiteral("선택자료 이체금액 수정"), {});
    addOwn(OwnCommand::Convert, QStringLiteral("btnConvert"), QStringLiteral("자료변환"),
        QKeySequence(QStringLiteral("Ctrl+O")), convertMenu());
    addOwn(OwnCommand::Search, QStringLiteral("btnSearch"), QStringLiteral("검 색"),
        QKeySequence(QStringLiteral("Ctrl+F")));
    // Withdrawal screens keep 불능자료 in the pop-up menu only.
    addOwn(OwnCommand::Failed, QStringLiteral("btnFailed"), QStringLiteral("불능자료"), {}, nullptr,
        kind.withdraws ? Place::MenuOnly : Place::ToolBar);
    addOwn(OwnCommand::Sort, QStringLiteral("btnSort"), QStringLiteral("정 렬"), {}, sortMenu());
    contentLayout()->addWidget(buildPanel());
    buildGrid();
    resize(900, 600);
    sortBy(m_items.order());
}

TfmTong2::~TfmTong2() = default;

void TfmTong2::execute(Workspace& workspace, const TransferKind& kind, qint64 batch, QWidget* parent)
{
    TfmTong2 screen(workspace, kind, batch, parent);
    screen.exec();
}

QAction* TfmTong2::addOwn(OwnCommand command, const QString& name, const QString& caption, const QKeySequence& shortcut,
    QMenu* menu, Place place)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    if (menu)
        action->setMenu(menu);
    m_own.insert(command, action);
    addOwnCommand(action, place);
    connect(action, &QAction::triggered, this, [this, command, action] {
        switch (command) {
        case OwnCommand::Continuous:
            m_items.setContinuousEntry(action->isChecked());
            action->setText(action->isChecked() ? QStringLiteral("연속입력") : QStringLiteral("개별입력"));
            break;
        case OwnCommand::Copy:
            copyCurrent();
            break;
        case OwnCommand::SelectAll:
            selectAll();
            break;
        case OwnCommand::BadAccount:
            findBadAccount();
            break;
        case OwnCommand::ChangeAmount:
            changeAmount();
            break;
        case OwnCommand::Failed:
            showFailed();
            break;
        case OwnCommand::Search:
            search();
            break;
        case OwnCommand::Sort:
        case OwnCommand::Convert:
            break;
        }
    });
    return action;
}

QMenu* TfmTong2::sortMenu()
{
    auto* menu = new QMenu(this);
    auto* group = new QActionGroup(this);
    for (const auto& [caption, order] : TransferItems::orders(m_items.kind())) {
        QAction* entry = menu->addAction(caption);
        entry->setCheckable(true);
        entry->setChecked(order == m_items.order());
        group->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, order = order] { sortBy(order); });
    }
    return menu;
}

// Withdrawal screens read items from a file, which comes with the file conversion and stays disabled until then,
// or export them to a spreadsheet.
QMenu* TfmTong2::convertMenu()
{
    if (!m_items.kind().withdraws)
        return nullptr;
    auto* menu = new QMenu(this);
    menu->addAction(QStringLiteral("데이타 읽기(*.prn)"))->setEnabled(false);
    connect(menu->addAction(QStringLiteral("엑셀로 내보내기")), &QAction::triggered, this, &TfmTong2::exportItems);
    return menu;
}

void TfmTong2::exportItems()
{
    const TransferKind& kind = m_items.kind();
    SpreadsheetSave::run(m_workspace, m_items.caption() + QStringLiteral(".xlsx"),
        [this, &kind](SpreadsheetWriter& writer, const QString& path) {
            SpreadsheetRowList rows
                = SpreadsheetSources::batchItems(m_workspace, kind, m_items.batch(), m_consentShown, m_items.order());
            return writer.exportTable(SpreadsheetSources::batchItemsLayout(kind), rows, path);
        });
}

QWidget* TfmTong2::buildPanel()
{
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    m_bankCode->setObjectName(QStringLiteral("edBankCode"));
    m_bank->setObjectName(QStringLiteral("cbBank"));
    m_bank->setMaxVisibleItems(8);
    QList<TDM1::CodeEntry> banks = m_workspace.data().codes(TDM1::CodeKind::Bank);
    banks.removeIf([this](const TDM1::CodeEntry& bank) { return !m_items.kind().reachesBank(bank.id); });
    fillCodes(m_bank, banks);
    m_account->setObjectName(QStringLiteral("edBankNo"));
    m_amount->setObjectName(QStringLiteral("edIcheMoney"));
    m_fundCode->setObjectName(QStringLiteral("edGubun"));
    m_fund->setObjectName(QStringLiteral("cbGubun"));
    m_fund->setMaxVisibleItems(8);
    fillCodes(m_fund, m_workspace.data().codes(fundKind(m_items.kind())));
    m_remark->setObjectName(QStringLiteral("edKita"));
    m_salary->setObjectName(QStringLiteral("cbSalary"));
    m_salary->addItems({ QStringLiteral("급여"), QStringLiteral("비급여"), QStringLiteral("정부지원") });
    m_salary->setVisible(m_items.kind().hasSalary);
    m_outcome->setObjectName(QStringLiteral("edIcheYebu"));
    FieldEdit::showOnly(m_outcome);
    m_date->setObjectName(QStringLiteral("edIcheDate"));
    FieldEdit::showOnly(m_date);
    m_result->setObjectName(QStringLiteral("edResult"));
    FieldEdit::showOnly(m_result);
    m_payerNumber->setObjectName(QStringLiteral("edcNapbuNo"));
    FieldEdit::showOnly(m_payerNumber);
    m_payerNumber->setVisible(m_items.kind().hasDongHo);
    const auto label = [panel](const QString& text) { return new QLabel(text, panel); };
    grid->addWidget(label(QStringLiteral("은 행 명")), 0, 0);
    grid->addWidget(m_bankCode, 0, 1);
    grid->addWidget(m_bank, 0, 2);
    grid->addWidget(label(QStringLiteral("계좌번호")), 0, 3);
    grid->addWidget(m_account, 0, 4);
    grid->addWidget(label(QStringLiteral("이체금액")), 1, 0);
    grid->addWidget(m_amount, 1, 1, 1, 2);
    // The apartment screen names the boxes after the resident and the account holder.
    const TransferKind& kind = m_items.kind();
    grid->addWidget(label(kind.hasDongHo ? QStringLiteral("입주자명") : QStringLiteral("성  명")), 1, 3);
    grid->addWidget(m_name, 1, 4);
    grid->addWidget(label(kind.hasDongHo ? QStringLiteral("실명번호") : QStringLiteral("납부자번호")), 2, 0);
    grid->addWidget(m_payer, 2, 1, 1, 2);
    grid->addWidget(label(QStringLiteral("자금구분")), 2, 3);
    auto* fund = new QHBoxLayout;
    fund->addWidget(m_fundCode);
    fund->addWidget(m_fund, 1);
    grid->addLayout(fund, 2, 4);
    grid->addWidget(label(kind.hasDongHo     ? QStringLiteral("예금주명")
                            : kind.withdraws ? QStringLiteral("비고(실명번호)")
                                             : QStringLiteral("비  고")),
        3, 0);
    grid->addWidget(m_remark, 3, 1, 1, 2);
    grid->addWidget(m_salary, 3, 4);
    m_consentCheck->setObjectName(QStringLiteral("chkConsent"));
    m_consentCheck->setVisible(m_items.kind().withdraws);
    connect(m_consentCheck, &QCheckBox::toggled, this, &TfmTong2::askConsentCheck);
    m_consentPanel->setObjectName(QStringLiteral("lblConsentMissing"));
    m_consentPanel->setStyleSheet(QStringLiteral("color: red; background: yellow"));
    m_consentPanel->hide();
    grid->addWidget(m_consentCheck, 5, 0, 1, 3);
    grid->addWidget(m_consentPanel, 5, 3, 1, 2);
    // Apartment items: the payer number is the dong and the ho, so it is shown, not typed.
    if (m_items.kind().hasDongHo) {
        FieldEdit::showOnly(m_payer);
        auto* dongHo = new QHBoxLayout;
        dongHo->addWidget(label(QStringLiteral("동 / 호")));
        dongHo->addWidget(m_dong);
        dongHo->addWidget(m_ho);
        grid->addLayout(dongHo, 6, 0, 1, 3);
        grid->addWidget(label(QStringLiteral("납부번호")), 6, 3);
        grid->addWidget(m_payerNumber, 6, 4);
    } else {
        m_dong->hide();
        m_ho->hide();
    }
    grid->addWidget(label(QStringLiteral("이체여부")), 4, 0);
    grid->addWidget(m_outcome, 4, 1, 1, 2);
    m_dateLabel->setObjectName(QStringLiteral("lblIcheDate"));
    grid->addWidget(m_dateLabel, 4, 3);
    grid->addWidget(m_date, 4, 4);
    grid->addWidget(label(QStringLiteral("처리결과")), 7, 0);
    grid->addWidget(m_result, 7, 1, 1, 4);
    m_tally->setObjectName(QStringLiteral("lblTally"));
    grid->addWidget(m_tally, 8, 0, 1, 5, Qt::AlignRight);
    connect(m_bank, &QComboBox::activated, this, [this] { m_bankCode->setText(m_bank->currentData().toString()); });
    connect(m_bankCode, &QLineEdit::textEdited, this,
        [this](const QString& code) { m_bank->setCurrentIndex(std::max(0, m_bank->findData(code))); });
    connect(m_fund, &QComboBox::activated, this, [this] { m_fundCode->setText(m_fund->currentData().toString()); });
    connect(m_fundCode, &QLineEdit::textEdited, this,
        [this](const QString& code) { m_fund->setCurrentIndex(std::max(0, m_fund->findData(code))); });
    QList<QWidget*> editors { m_bankCode, m_bank, m_account, m_amount, m_name, m_payer, m_fundCode, m_fund, m_remark,
        m_salary };
    if (m_items.kind().hasDongHo)
        editors = QList<QWidget*> { m_dong, m_ho } + editors;
    setEditors(editors);
    return panel;
}

void TfmTong2::buildGrid()
{
    m_grid->setObjectName(QStringLiteral("grdItems"));
    setGrid(m_grid);
    // Double-click is 수 정, when the row may be edited.
    connect(m_grid, &QAbstractItemView::doubleClicked, this, [this] { trigger(Command::Edit); });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!isEditing())
            showCurrent();
        showState();
    });
}

qint64 TfmTong2::currentItem() const
{
    return m_grid->currentKey();
}

bool TfmTong2::hasRows() const
{
    return m_model->rowCount() > 0;
}

void TfmTong2::reload(qint64 selectItem)
{
    showConsents();
    showTally();
    m_grid->reload(selectItem);
    showCurrent();
    showState();
}

// While the check is on, the grid shows every item's consent state; the panel tells of items without a registered
// consent.
void TfmTong2::showConsents()
{
    m_consentShown = m_consentCheck->isChecked();
    if (m_items.kind().withdraws)
        m_consentPanel->setVisible(ItemConsents(m_workspace, m_items.kind()).anyMissing(m_items.batch()));
}

void TfmTong2::showTally()
{
    m_tally->setText(QStringLiteral("%1건 / ₩%2")
                         .arg(LazyTableModel::countText(m_items.count()),
                             LazyTableModel::moneyText(m_items.total().stored(), false)));
}

void TfmTong2::askConsentCheck(bool on)
{
    if (on && !m_workspace.messages().question(QStringLiteral("출금동의 등록여부를 검사하시겠습니까?"))) {
        const QSignalBlocker quiet(m_consentCheck);
        m_consentCheck->setChecked(false);
    }
    reload(currentItem());
}

void TfmTong2::showCurrent()
{
    const std::optional<TransferItems::Row> row = m_items.row(currentItem());
    showItem(row ? row->item : TransferItems::Item(), row ? row->displayAccount : QString());
    m_outcome->setText(row ? row->outcomeName : QString());
    m_result->setText(row ? row->resultName : QString());
    // The date is the day of processing once the result came, until then the day of the transfer.
    const bool processed = row && row->item.state > BatchState::Sent;
    m_dateLabel->setText(processed       ? QStringLiteral("처리일자")
            : m_items.kind().isDeposit() ? QStringLiteral("입금일자")
                                         : QStringLiteral("출금일자"));
}

void TfmTong2::showItem(const TransferItems::Item& item, const QString& displayAccount)
{
    m_bankCode->setText(item.bankCode);
    m_bank->setCurrentIndex(std::max(0, m_bank->findData(item.bankCode)));
    m_account->setText(displayAccount.isEmpty() ? item.account : displayAccount);
    m_amount->setText(item.key == 0 && item.amount.stored() == 0 ? QString() : QString::number(item.amount.won()));
    m_name->setText(item.name);
    m_payer->setText(item.payerNumber);
    m_dong->setText(item.dong);
    m_ho->setText(item.ho);
    m_fundCode->setText(item.fundCategory);
    m_fund->setCurrentIndex(std::max(0, m_fund->findData(item.fundCategory)));
    m_remark->setText(item.remark);
    m_salary->setCurrentIndex(std::clamp(item.salary - 1, 0, 2));
    m_date->setText(item.transferDate.toString(QStringLiteral("yyyy-MM-dd")));
    m_payerNumber->setText(item.dong.trimmed() + item.ho.trimmed());
}

TransferItems::Item TfmTong2::fromEditors() const
{
    TransferItems::Item item = m_editing;
    item.bankCode = m_bankCode->text();
    item.account = m_account->text();
    item.name = m_name->text();
    item.payerNumber = m_payer->text();
    item.dong = m_dong->text();
    item.ho = m_ho->text();
    item.fundCategory = m_fundCode->text();
    item.remark = m_remark->text();
    item.salary = m_salary->currentIndex() + 1;
    return item;
}

void TfmTong2::focus(TransferItems::Field field)
{
    using Field = TransferItems::Field;
    const std::pair<Field, QWidget*> editors[] = { { Field::BankCode, m_bankCode }, { Field::Account, m_account },
        { Field::Amount, m_amount }, { Field::FundCategory, m_fundCode }, { Field::Name, m_name },
        { Field::PayerNumber, m_payer }, { Field::Remark, m_remark }, { Field::Dong, m_dong }, { Field::Ho, m_ho } };
    for (const auto& [which, editor] : editors) {
        if (which == field)
            editor->setFocus();
    }
}

bool TfmTong2::startInsert()
{
    const TransferItems::Outcome outcome = m_items.startNew();
    if (!outcome.done)
        return false;
    m_editing = outcome.item;
    m_grid->clearSelection();
    showItem(m_editing, QString());
    return true;
}

bool TfmTong2::startEdit()
{
    const TransferItems::Outcome outcome = m_items.startEdit(currentItem());
    if (!outcome.done)
        return false;
    m_editing = outcome.item;
    showItem(m_editing, QString());
    return true;
}

bool TfmTong2::save()
{
    const TransferItems::Outcome outcome = m_items.save(fromEditors(), m_amount->text());
    if (!outcome.done) {
        showItem(outcome.item, QString());
        focus(outcome.focus);
        return false;
    }
    reload(outcome.item.key);
    if (!outcome.next)
        return true;
    m_editing = *outcome.next;
    showItem(m_editing, QString());
    continueEntry();
    focus(outcome.focus);
    return false;
}

void TfmTong2::cancelEdit()
{
    showCurrent();
}

void TfmTong2::deleteCurrent()
{
    if (m_items.remove(currentItem(), m_grid->selectedKeys()).done)
        reload(0);
}

void TfmTong2::copyCurrent()
{
    const TransferItems::Outcome outcome = m_items.copy(currentItem());
    if (outcome.done)
        reload(outcome.item.key);
}

void TfmTong2::selectAll()
{
    while (m_model->canFetchMore({}))
        m_model->fetchMore({});
    m_grid->selectAll();
}

void TfmTong2::findBadAccount()
{
    const TransferItems::Outcome outcome = m_items.findBadAccount(currentItem());
    if (outcome.done)
        m_grid->moveTo(outcome.item.key);
}

void TfmTong2::search()
{
    const auto current = [this] { return currentItem(); };
    const auto found = [this](qint64 item) { m_grid->moveTo(item); };
    if (m_items.kind().hasDongHo) {
        TfmFindApt2 dialog(m_items, current, found, this);
        dialog.exec();
    } else {
        TfmFindTon2 dialog(m_items, current, found, this);
        dialog.exec();
    }
}

// The grid and the rules walk the items in the same order; the key keeps equal values in their stored order.
void TfmTong2::sortBy(TransferItems::Order order)
{
    const qint64 current = currentItem();
    m_items.setOrder(order);
    m_workspace.setItemOrder(m_items.kind().itemTable, static_cast<int>(order));
    m_model->setOrder(TransferItems::orderColumns(m_items.kind(), order));
    reload(current);
}

void TfmTong2::changeAmount()
{
    QString text;
    if (!TfrmUserInput::prompt(
            m_workspace, TransferItems::amountInputTitle(), TransferItems::amountInputPrompt(), text))
        return;
    if (m_items.changeAmount(text, currentItem(), m_grid->selectedKeys()).done)
        reload(currentItem());
}

// Closing the list returns to the item that was current.
void TfmTong2::showFailed()
{
    const qint64 current = currentItem();
    TfmTongMic2 list(m_items.failedItems(), this);
    list.exec();
    m_grid->moveTo(current);
}

void TfmTong2::showOwnCommands()
{
    const bool browsing = !isEditing();
    const bool writable = !m_items.isReadOnly();
    const std::optional<TransferItems::Row> current = m_items.row(currentItem());
    const bool hasItem = current.has_value();
    const int itemState = hasItem ? current->item.state : BatchState::NoItems;
    const bool changes = m_items.allowsChanges(currentItem());
    m_own.value(OwnCommand::Continuous)->setEnabled(changes);
    m_own.value(OwnCommand::Copy)->setEnabled(browsing && hasItem && changes);
    m_own.value(OwnCommand::SelectAll)->setEnabled(browsing && hasItem && writable);
    m_own.value(OwnCommand::BadAccount)->setEnabled(browsing);
    m_own.value(OwnCommand::ChangeAmount)->setEnabled(browsing && hasItem && itemState < BatchState::Sent);
    // The deposit screen's file reading comes with the file conversion; the withdrawal screens' drop-down opens, its
    // entries disabled until then.
    m_own.value(OwnCommand::Convert)->setEnabled(browsing && changes && m_items.kind().withdraws);
    m_own.value(OwnCommand::Failed)->setEnabled(browsing && itemState > BatchState::Sent);
    m_own.value(OwnCommand::Search)->setEnabled(browsing && hasItem);
    m_own.value(OwnCommand::Sort)->setEnabled(browsing && hasItem);
    action(Command::Edit)->setEnabled(browsing && hasItem && writable && itemState < BatchState::Sent);
}

// A batch still to be sent past its kind's fund-category limit keeps the screen open.
void TfmTong2::closeEvent(QCloseEvent* event)
{
    if (!settleEntry()) {
        event->ignore();
        return;
    }
    if (TransferBatches(m_workspace, m_items.kind(), QString()).close(m_items.batch())
        == TransferBatches::Closing::OverFundLimit) {
        event->ignore();
        return;
    }
    EntryScreen::closeEvent(event);
}
