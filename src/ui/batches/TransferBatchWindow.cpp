#include "ui/batches/TransferBatchWindow.h"

#include "core/accounts/AcctNoRules.h"
#include "core/app/Workspace.h"
#include "core/batches/BankGroup.h"
#include "core/batches/BatchState.h"
#include "core/calendar/BusinessDays.h"
#include "core/common/Clock.h"
#include "core/common/Messages.h"
#include "core/data/Database.h"
#include "core/data/TDM1.h"
#include "ui/batches/TfmFindTon1.h"
#include "ui/batches/TfmTong2.h"
#include "ui/batches/TfmTong3.h"
#include "ui/common/FieldEdit.h"
#include "ui/common/LazyGrid.h"
#include "ui/common/LazyTableModel.h"
#include "ui/common/ScreenDateTime.h"
#include "ui/print/ReportOutput.h"

#include <QAction>
#include <QActionGroup>
#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

namespace {

LazyTableSource batchList(const TransferKind& kind)
{
    LazyTableSource source;
    source.from = kind.batchTable;
    source.keyColumn = kind.batchKey;
    source.columns = {
        LazyColumn::text(QStringLiteral("기관코드"), 10, QStringLiteral("GiganID10")),
        LazyColumn::count(QStringLiteral("의뢰건수"), 8, QStringLiteral("TotNo")),
        LazyColumn::money(kind.isApartment() ? QStringLiteral("의뢰금액") : QStringLiteral("의 뢰 금 액"), 15,
            QStringLiteral("TotMoney"), true),
        LazyColumn::date(QStringLiteral("이체일자"), 10, QStringLiteral("IcheDate")),
        LazyColumn::calculated(QStringLiteral("송신일자"), 10,
            [](const QVariantList& row) {
                return row.value(6).toInt() > BatchState::AwaitingSending ? row.value(7) : QVariant();
            }),
        LazyColumn::date(QStringLiteral("수신일자"), 10, QStringLiteral("Rdate")),
        LazyColumn::calculated(
            kind.isApartment() ? QStringLiteral("상태") : QStringLiteral("상   태"), 12,
            [](const QVariantList& row) { return BatchState::name(row.value(6).toInt()); }, QStringLiteral("State")),
    };
    source.extraSources = { QStringLiteral("SendDate") };
    source.order = { kind.batchKey };
    return source;
}

} // namespace

TransferBatchWindow::TransferBatchWindow(
    Workspace& workspace, const TransferKind& kind, const QString& caption, QWidget* parent)
    : BusinessWindow(parent)
    , m_workspace(workspace)
    , m_batches(workspace, kind, caption)
    , m_guard(workspace.messages())
    , m_toolBar(new QToolBar(this))
    , m_sortMenu(new QMenu(this))
    , m_institution(new QComboBox(this))
    , m_institutionCode(new QLineEdit(this))
    , m_password(new QLineEdit(this))
    , m_motherAccount(new QLineEdit(this))
    , m_date(new ScreenDateEdit(this))
    , m_remark(new FieldEdit(kind.batchTable, kind.remarkColumn, FieldEdit::Plain, this))
    , m_model(new LazyTableModel(workspace.database(), batchList(kind), this))
    , m_grid(new LazyGrid(m_model, this))
{
    setWindowTitle(caption);
    buildToolBar();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_toolBar);
    layout->addWidget(buildHeader());
    buildGrid();
    layout->addWidget(m_grid, 1);
    reload(0);
}

TransferBatchWindow::~TransferBatchWindow() = default;

QAction* TransferBatchWindow::addCommand(
    Command command, const QString& name, const QString& caption, const QKeySequence& shortcut)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, [this, command] { run(command); });
    m_actions.insert(command, action);
    addAction(action);
    return action;
}

void TransferBatchWindow::buildToolBar()
{
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_toolBar->addAction(addCommand(
        Command::Insert, QStringLiteral("btnInsert"), QStringLiteral("입 력"), QKeySequence(QStringLiteral("Ctrl+I"))));
    m_toolBar->addAction(addCommand(
        Command::Edit, QStringLiteral("btnEdit"), QStringLiteral("수 정"), QKeySequence(QStringLiteral("Ctrl+E"))));
    m_toolBar->addAction(addCommand(
        Command::Delete, QStringLiteral("btnDelete"), QStringLiteral("삭 제"), QKeySequence(QStringLiteral("Ctrl+D"))));
    auto* copyMenu = new QMenu(QStringLiteral("복 사"), this);
    copyMenu->addAction(addCommand(Command::CopyAll, QStringLiteral("mnuCopyAll"), QStringLiteral("전 체 자 료"),
        QKeySequence(QStringLiteral("Ctrl+T"))));
    copyMenu->addAction(addCommand(Command::CopyFailed, QStringLiteral("mnuCopyFailed"), QStringLiteral("불 능 자 료"),
        QKeySequence(QStringLiteral("Ctrl+Y"))));
    m_toolBar->addAction(copyMenu->menuAction());
    m_toolBar->addSeparator();
    m_toolBar->addAction(addCommand(Command::Items, QStringLiteral("btnItems"), QStringLiteral("이체자료"),
        QKeySequence(QStringLiteral("Ctrl+Return"))));
    m_toolBar->addAction(addCommand(
        Command::Search, QStringLiteral("btnSearch"), QStringLiteral("검 색"), QKeySequence(QStringLiteral("Ctrl+F"))));
    QAction* sort = addCommand(Command::Sort, QStringLiteral("btnSort"), QStringLiteral("정 렬"), QKeySequence());
    sort->setMenu(m_sortMenu);
    auto* sortGroup = new QActionGroup(this);
    const QList<std::pair<QString, QStringList>> orders {
        { QStringLiteral("정렬 안함"), {} },
        { QStringLiteral("기관코드 순으로 정렬"), { QStringLiteral("GiganID10") } },
        { QStringLiteral("이체일자 순으로 정렬"), { QStringLiteral("IcheDate") } },
        { QStringLiteral("송신일자 순으로 정렬"), { QStringLiteral("SendDate") } },
        { QStringLiteral("자료상태 순으로 정렬"), { QStringLiteral("State") } },
    };
    for (const auto& [caption, order] : orders) {
        QAction* entry = m_sortMenu->addAction(caption);
        entry->setCheckable(true);
        entry->setChecked(order.isEmpty());
        sortGroup->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, order, entry] { sortBy(order, entry); });
    }
    m_toolBar->addAction(sort);
    m_toolBar->addAction(addCommand(Command::Results, QStringLiteral("btnResults"), QStringLiteral("결과보기"), {}));
    m_toolBar->addAction(addCommand(
        Command::Print, QStringLiteral("btnPrint"), QStringLiteral("출 력"), QKeySequence(QStringLiteral("Ctrl+P"))));
    // Only in the pop-up menu.
    addCommand(Command::PrintList, QStringLiteral("mnuPrintList"), QStringLiteral("목록 출력"), {});
    QAction* group = addCommand(
        Command::Group, QStringLiteral("btnGroup"), QStringLiteral("그 룹"), QKeySequence(QStringLiteral("Ctrl+G")));
    group->setMenu(buildGroupMenu());
    m_toolBar->addAction(group);
    m_toolBar->addSeparator();
    m_toolBar->addAction(addCommand(
        Command::Save, QStringLiteral("btnSave"), QStringLiteral("저 장"), QKeySequence(QStringLiteral("Ctrl+S"))));
    m_toolBar->addAction(addCommand(
        Command::Cancel, QStringLiteral("btnCancel"), QStringLiteral("취 소"), QKeySequence(Qt::Key_Escape)));
    m_toolBar->addAction(addCommand(
        Command::Close, QStringLiteral("btnClose"), QStringLiteral("닫 기"), QKeySequence(QStringLiteral("Ctrl+F4"))));
}

// One entry per group template; choosing one makes a batch of it once the group screens are there.
QMenu* TransferBatchWindow::buildGroupMenu()
{
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnuGroups"));
    const QList<std::pair<qint64, QString>> groups = m_batches.groups();
    if (groups.isEmpty())
        menu->addAction(QStringLiteral("없 음"));
    for (const auto& [id, caption] : groups)
        menu->addAction(caption)->setData(id);
    return menu;
}

QWidget* TransferBatchWindow::buildHeader()
{
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 2, 4, 2);
    m_institution->setObjectName(QStringLiteral("cbInstitution"));
    m_institution->setMaxVisibleItems(4);
    m_institutionCode->setObjectName(QStringLiteral("edInstitutionCode"));
    FieldEdit::showOnly(m_institutionCode);
    m_password->setObjectName(QStringLiteral("edPass"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setMaxLength(8);
    m_motherAccount->setObjectName(QStringLiteral("edMoBankNo"));
    FieldEdit::showOnly(m_motherAccount);
    m_date->setObjectName(QStringLiteral("deIcheDate"));
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_date->setCalendarPopup(true);
    m_remark->setObjectName(QStringLiteral("edRemark"));
    grid->addWidget(new QLabel(QStringLiteral("기관업체명"), panel), 0, 0);
    grid->addWidget(m_institution, 0, 1);
    grid->addWidget(m_institutionCode, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("기관비밀번호"), panel), 0, 3);
    grid->addWidget(m_password, 0, 4);
    // Apartment batches show no mother account: only their copies carry one.
    if (!m_batches.kind().motherAccountColumn.isEmpty()) {
        grid->addWidget(new QLabel(QStringLiteral("모계좌번호"), panel), 1, 0);
        grid->addWidget(m_motherAccount, 1, 1, 1, 2);
    } else {
        m_motherAccount->hide();
    }
    grid->addWidget(new QLabel(QStringLiteral("이체일자"), panel), 1, 3);
    grid->addWidget(m_date, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("비    고"), panel), 2, 0);
    grid->addWidget(m_remark, 2, 1, 1, 4);
    // Institutions may share a code: the row chosen is the one whose password and mother account the batch takes.
    m_institutions = m_batches.institutions();
    for (const TransferBatches::Institution& institution : std::as_const(m_institutions))
        m_institution->addItem(institution.name, institution.row);
    connect(m_institution, &QComboBox::currentIndexChanged, this, &TransferBatchWindow::showInstitution);
    m_guard.setEditors({ m_institution, m_password, m_date, m_remark });
    return panel;
}

void TransferBatchWindow::buildGrid()
{
    m_grid->setObjectName(QStringLiteral("grdBatches"));
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& point) {
        QMenu menu(this);
        for (const Command command : { Command::Insert, Command::Edit, Command::Delete, Command::CopyAll,
                 Command::CopyFailed, Command::Items, Command::Search, Command::Results, Command::Print,
                 Command::PrintList, Command::Group, Command::Save, Command::Cancel, Command::Close })
            menu.addAction(m_actions.value(command));
        menu.addMenu(m_sortMenu)->setText(QStringLiteral("정 렬"));
        menu.exec(m_grid->viewport()->mapToGlobal(point));
    });
    connect(m_grid, &QAbstractItemView::doubleClicked, this, [this] { toggleHold(); });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!m_editing)
            showCurrent();
        showState();
    });
}

void TransferBatchWindow::trigger(Command command)
{
    QAction* action = m_actions.value(command);
    if (action->isEnabled())
        action->trigger();
}

void TransferBatchWindow::run(Command command)
{
    switch (command) {
    case Command::Insert:
        startInsert();
        break;
    case Command::Edit:
        startEdit();
        break;
    case Command::Delete:
        removeSelected();
        break;
    case Command::CopyAll:
        copy(false);
        break;
    case Command::CopyFailed:
        copy(true);
        break;
    case Command::Results:
        showResults();
        break;
    case Command::Search:
        search();
        break;
    case Command::Items:
        openItems();
        break;
    case Command::Save:
        save();
        break;
    case Command::Cancel:
        if (m_guard.mayCancel())
            cancel();
        break;
    case Command::Close:
        closeWindow();
        break;
    case Command::Print:
        ReportOutput::printBatch(m_workspace, m_batches.kind(), currentBatch(), this);
        break;
    case Command::PrintList:
        ReportOutput::printBatchList(m_workspace, m_batches.kind(), this);
        break;
    case Command::Sort:
    case Command::Group:
        break;
    }
}

qint64 TransferBatchWindow::currentBatch() const
{
    return m_grid->currentKey();
}

void TransferBatchWindow::startInsert()
{
    const std::optional<TransferBatches::Header> header = m_batches.newBatch();
    if (!header)
        return;
    m_header = *header;
    m_grid->clearSelection();
    showHeader(m_header);
    m_date->setDate(BusinessDays(m_workspace.data().holidays(), m_workspace.clock()).nextBusinessDay());
    setEditing(true);
    m_institution->setFocus();
}

void TransferBatchWindow::startEdit()
{
    const std::optional<TransferBatches::Header> header = m_batches.header(currentBatch());
    if (!header)
        return;
    m_header = *header;
    setEditing(true);
    m_institution->setFocus();
}

void TransferBatchWindow::save()
{
    const TransferBatches::Institution chosen = chosenInstitution();
    m_header.institution = chosen.code;
    m_header.institutionRow = chosen.row;
    m_header.password = m_password->text();
    m_header.date = m_date->date();
    m_header.remark = m_remark->text();
    const TransferBatches::Outcome outcome = m_batches.save(m_header);
    if (!outcome.saved) {
        QWidget* focus = outcome.focus == TransferBatches::Field::Date ? static_cast<QWidget*>(m_date)
            : outcome.focus == TransferBatches::Field::Password        ? static_cast<QWidget*>(m_password)
            : outcome.focus == TransferBatches::Field::Remark          ? static_cast<QWidget*>(m_remark)
                                                                       : static_cast<QWidget*>(m_institution);
        focus->setFocus();
        return;
    }
    setEditing(false);
    reload(m_header.id);
}

void TransferBatchWindow::cancel()
{
    setEditing(false);
    showCurrent();
}

void TransferBatchWindow::removeSelected()
{
    QList<qint64> batches = m_grid->selectedKeys();
    if (batches.isEmpty() && currentBatch() != 0)
        batches << currentBatch();
    if (m_batches.remove(batches))
        reload(0);
}

void TransferBatchWindow::copy(bool failedOnly)
{
    const std::optional<qint64> copied = m_batches.copy(currentBatch(), failedOnly);
    m_grid->clearSelection();
    if (copied)
        reload(*copied);
}

void TransferBatchWindow::toggleHold()
{
    const qint64 batch = currentBatch();
    if (batch != 0 && !m_editing && m_batches.toggleHold(batch))
        reload(batch);
}

void TransferBatchWindow::showResults()
{
    TfmTong3 results(m_batches.results(currentBatch()), this);
    results.exec();
}

// The items of the current batch; a header being entered or edited is saved first.
void TransferBatchWindow::openItems()
{
    if (m_editing) {
        save();
        if (m_editing)
            return;
    }
    const qint64 batch = currentBatch();
    if (batch == 0)
        return;
    if (!m_batches.hasInstitution(batch)) {
        m_institution->setFocus();
        return;
    }
    TfmTong2::execute(m_workspace, m_batches.kind(), batch, this);
    reload(batch);
}

void TransferBatchWindow::search()
{
    m_toolBar->setEnabled(false);
    QList<std::pair<QString, QString>> institutions;
    for (const TransferBatches::Institution& institution : std::as_const(m_institutions))
        institutions << std::pair { institution.code, institution.name };
    TfmFindTon1 dialog(institutions, m_grid, m_model, m_workspace.messages(), this);
    dialog.exec();
    m_toolBar->setEnabled(true);
    m_grid->clearSelection();
}

void TransferBatchWindow::sortBy(const QStringList& order, QAction*)
{
    const qint64 current = currentBatch();
    m_model->setOrder(order);
    reload(current);
}

void TransferBatchWindow::showCurrent()
{
    const std::optional<TransferBatches::Header> header = m_batches.header(currentBatch());
    showHeader(header.value_or(TransferBatches::Header()));
}

void TransferBatchWindow::showHeader(const TransferBatches::Header& header)
{
    m_institution->setCurrentIndex(m_institution->findData(header.institutionRow));
    m_password->setText(header.password);
    m_date->setDate(header.date.isValid() ? header.date : m_workspace.clock().today());
    m_remark->setText(header.remark);
    showInstitution();
}

TransferBatches::Institution TransferBatchWindow::chosenInstitution() const
{
    return m_institutions.value(m_institution->currentIndex());
}

void TransferBatchWindow::showInstitution()
{
    TransferBatches::Header chosen;
    const TransferBatches::Institution institution = chosenInstitution();
    chosen.institution = institution.code;
    chosen.institutionRow = institution.row;
    m_institutionCode->setText(institution.code);
    const QString account = m_batches.motherAccount(chosen);
    m_motherAccount->setText(
        account.isEmpty() ? QString() : AcctNoRules().Hyphenate(BankGroup::centralBankCode(), account));
}

void TransferBatchWindow::setEditing(bool editing)
{
    if (editing && !m_editing)
        m_guard.begin();
    m_editing = editing;
    showState();
}

// While a header is entered or edited only 이체자료, 저 장 and 취 소 stay; an empty list keeps 입 력, 그 룹 and 닫 기.
void TransferBatchWindow::showState()
{
    const bool browsing = !m_editing;
    const bool hasBatch = currentBatch() != 0;
    const int state = hasBatch ? m_batches.state(currentBatch()) : BatchState::NoItems;
    m_actions.value(Command::Insert)->setEnabled(browsing);
    m_actions.value(Command::Edit)->setEnabled(browsing && hasBatch && state < BatchState::Sent);
    for (const Command command :
        { Command::Delete, Command::CopyAll, Command::CopyFailed, Command::Results, Command::Sort })
        m_actions.value(command)->setEnabled(browsing && hasBatch);
    m_actions.value(Command::Items)->setEnabled(hasBatch || m_editing);
    m_actions.value(Command::Group)->setEnabled(browsing);
    m_actions.value(Command::Print)->setEnabled(browsing && hasBatch);
    m_actions.value(Command::PrintList)->setEnabled(browsing);
    m_actions.value(Command::Save)->setEnabled(m_editing);
    m_actions.value(Command::Cancel)->setEnabled(m_editing);
    m_actions.value(Command::Close)->setEnabled(browsing);
    for (QWidget* editor : { static_cast<QWidget*>(m_institution), static_cast<QWidget*>(m_password),
             static_cast<QWidget*>(m_date), static_cast<QWidget*>(m_remark) })
        editor->setEnabled(m_editing);
    m_grid->setEnabled(browsing);
}

void TransferBatchWindow::reload(qint64 selectBatch)
{
    m_grid->reload(selectBatch);
    showCurrent();
    showState();
}

bool TransferBatchWindow::closeQuery()
{
    if (!m_editing)
        return true;
    switch (m_guard.askOnClose()) {
    case Messages::Button::Yes:
        save();
        return !m_editing;
    case Messages::Button::No:
        cancel();
        return true;
    default:
        return false;
    }
}
