#include "ui/consent/TfmTongRegister.h"

#include "core/accounts/AcctNoRules.h"
#include "core/app/Workspace.h"
#include "core/common/Clock.h"
#include "core/consent/ConsentState.h"
#include "core/data/TDM1.h"
#include "core/spreadsheet/SpreadsheetSave.h"
#include "core/spreadsheet/SpreadsheetSources.h"
#include "core/spreadsheet/SpreadsheetWriter.h"
#include "ui/common/FieldEdit.h"
#include "ui/common/LazyGrid.h"
#include "ui/common/LazyTableModel.h"
#include "ui/consent/TfmFindRegister.h"

#include <QActionGroup>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace {

// The raw values the calculated columns read, after the ten columns of the grid.
enum Extra { Status = 10, BankCode, BankNo, ResultCode };

const QString DateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// The radio items: the state's name, spaced as the filter shows it, before its count.
const QStringList StateCaptions { QStringLiteral("등록대기("), QStringLiteral("등록  중("), QStringLiteral("등록완료("),
    QStringLiteral("등록오류("), QStringLiteral("해지대기("), QStringLiteral("해지  중("), QStringLiteral("해지완료("),
    QStringLiteral("해지오류(") };

// One WHERE clause for the radio filter and "전체" alike, so that the grid keeps its model when the filter changes.
QVariantList gridFilterValues(const ConsentRegister::Filter& filter)
{
    const QVariant state = filter.state ? QVariant(*filter.state) : QVariant();
    return { state, state };
}

LazyTableSource consentGrid(const TDM1& data)
{
    LazyTableSource source;
    source.from = QStringLiteral("TongRegister");
    source.where = QStringLiteral("(? IS NULL OR Status = ?)");
    source.whereValues = gridFilterValues({});
    source.order = ConsentRegister::orderColumns(ConsentRegister::Order::Key);
    const TDM1* codes = &data;
    source.columns = {
        LazyColumn::calculated(QStringLiteral("상태"), 8,
            [](const QVariantList& row) {
                return row.value(Status).isNull() ? ConsentState::name(-1)
                                                  : ConsentState::name(row.value(Status).toInt());
            }),
        LazyColumn::text(QStringLiteral("성  명"), 10, QStringLiteral("NAME")),
        LazyColumn::text(QStringLiteral("기관코드"), 10, QStringLiteral("Giganid")),
        LazyColumn::calculated(QStringLiteral("은 행 명"), 10,
            [codes](
                const QVariantList& row) { return codes->name(TDM1::CodeKind::Bank, row.value(BankCode).toString()); }),
        LazyColumn::calculated(QStringLiteral("계 좌 번 호"), 18,
            [](const QVariantList& row) {
                const QString account = row.value(BankNo).toString();
                return account.isEmpty() ? QString() : AcctNoRules().Hyphenate(row.value(BankCode).toString(), account);
            }),
        LazyColumn::text(QStringLiteral("납부자번호"), 13, QStringLiteral("NapbuNO")),
        LazyColumn::text(QStringLiteral("실명번호"), 13, QStringLiteral("JuminNO")),
        LazyColumn::text(QStringLiteral("송신일"), 19, QStringLiteral("Senddate")),
        LazyColumn::text(QStringLiteral("수신일"), 19, QStringLiteral("Receivedate")),
        LazyColumn::calculated(QStringLiteral("오류코드"), 24,
            [](const QVariantList& row) { return ConsentState::resultText(row.value(ResultCode)); }),
    };
    source.extraSources
        = { QStringLiteral("Status"), QStringLiteral("Bankcd"), QStringLiteral("Bankno"), QStringLiteral("ResultCD") };
    return source;
}

QString dateTimeText(const QDateTime& at)
{
    return at.isValid() ? at.toString(DateTimeFormat) : QString();
}

} // namespace

TfmTongRegister::TfmTongRegister(Workspace& workspace, QWidget* parent)
    : EntryScreen(workspace.messages(), false, parent)
    , m_workspace(workspace)
    , m_register(workspace)
    , m_name(new FieldEdit(QStringLiteral("TongRegister"), QStringLiteral("NAME"), FieldEdit::Plain, this))
    , m_institutions(new QComboBox(this))
    , m_institution(new FieldEdit(QStringLiteral("TongRegister"), QStringLiteral("Giganid"), FieldEdit::Plain, this))
    , m_bankCode(new FieldEdit(2, FieldEdit::DigitsOnly, this))
    , m_bank(new QComboBox(this))
    , m_account(new FieldEdit(14, FieldEdit::DigitsOnly, this))
    , m_payer(new FieldEdit(13, FieldEdit::Plain, this))
    , m_realName(new FieldEdit(13, FieldEdit::DigitsOnly, this))
    , m_requested(new QDateTimeEdit(this))
    , m_autoDay(new QLineEdit(QStringLiteral("0"), this))
    , m_sent(new QLineEdit(this))
    , m_received(new QLineEdit(this))
    , m_status(new QLineEdit(this))
    , m_result(new QLineEdit(this))
    , m_all(new QCheckBox(this))
    , m_states(new QButtonGroup(this))
    , m_selectionLabel(new QLabel(this))
    , m_model(new LazyTableModel(workspace.database(), consentGrid(workspace.data()), this))
    , m_grid(new LazyGrid(m_model, this))
{
    setObjectName(QStringLiteral("fmTongRegister"));
    setWindowTitle(ConsentRegister::caption());
    action(Command::Edit)->setVisible(false);
    addOwn(OwnCommand::Continuous, QStringLiteral("BtnContinue"), QStringLiteral("개별입력"), {})->setCheckable(true);
    auto* convertMenu = new QMenu(this);
    convertMenu->addAction(
        addOwn(OwnCommand::ReadFile, QStringLiteral("popup_ReadFile"), QStringLiteral("데이타 읽기"), {}));
    convertMenu->addAction(
        addOwn(OwnCommand::ToExcel, QStringLiteral("popup_ToExcel"), QStringLiteral("엑셀로 내보내기"), {}));
    addOwn(OwnCommand::Convert, QStringLiteral("BtnConvert"), QStringLiteral("자료변환"), {})->setMenu(convertMenu);
    addOwn(OwnCommand::Search, QStringLiteral("BtnFind"), QStringLiteral("검 색"), {});
    auto* sortMenu = new QMenu(this);
    auto* sortGroup = new QActionGroup(this);
    const std::pair<QString, ConsentRegister::Order> sorts[]
        = { { QStringLiteral("정렬 안함"), ConsentRegister::Order::Key },
              { QStringLiteral("계좌번호 순으로 정렬"), ConsentRegister::Order::Account },
              { QStringLiteral("상태+송신일"), ConsentRegister::Order::StateSendDate } };
    for (int tag = 0; tag < 3; ++tag) {
        QAction* entry = sortMenu->addAction(sorts[tag].first);
        entry->setObjectName(QStringLiteral("mnuSort%1").arg(tag));
        entry->setCheckable(true);
        entry->setChecked(tag == 0);
        sortGroup->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, order = sorts[tag].second] { sortBy(order); });
    }
    addOwn(OwnCommand::Sort, QStringLiteral("btnSort"), QStringLiteral("정 렬"), {})->setMenu(sortMenu);
    contentLayout()->addWidget(buildEntryPanel());
    contentLayout()->addWidget(buildResultPanel());
    contentLayout()->addWidget(buildFilterPanel());
    buildGrid();
    contentLayout()->addWidget(buildButtons());
    resize(1000, 720);
    reload(0);
}

TfmTongRegister::~TfmTongRegister() = default;

void TfmTongRegister::execute(Workspace& workspace, QWidget* parent)
{
    TfmTongRegister screen(workspace, parent);
    screen.exec();
}

QAction* TfmTongRegister::addOwn(
    OwnCommand command, const QString& name, const QString& caption, const QKeySequence& shortcut)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    m_own.insert(command, action);
    if (command != OwnCommand::ReadFile && command != OwnCommand::ToExcel)
        addOwnCommand(action);
    connect(action, &QAction::triggered, this, [this, command] { runOwn(command); });
    return action;
}

void TfmTongRegister::runOwn(OwnCommand command)
{
    switch (command) {
    case OwnCommand::Continuous: {
        QAction* continuous = m_own.value(command);
        m_register.setContinuousEntry(continuous->isChecked());
        continuous->setText(continuous->isChecked() ? QStringLiteral("연속입력") : QStringLiteral("개별입력"));
        break;
    }
    case OwnCommand::Search:
        search();
        break;
    case OwnCommand::SelectAll:
        toggleSelectAll();
        break;
    case OwnCommand::ReplaceResidentNumbers:
        replaceResidentNumbers();
        break;
    case OwnCommand::QueueRegistrations:
        queue(true);
        break;
    case OwnCommand::QueueCancellations:
        queue(false);
        break;
    case OwnCommand::ToExcel:
        exportList();
        break;
    case OwnCommand::Convert:
    case OwnCommand::ReadFile:
    case OwnCommand::Sort:
    case OwnCommand::EvidenceFiles:
    case OwnCommand::SendEvidence:
        break;
    }
}

QWidget* TfmTongRegister::buildEntryPanel()
{
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    m_name->setObjectName(QStringLiteral("EdBigo"));
    m_institutions->setObjectName(QStringLiteral("ComboBox_Gigan"));
    m_institution->setObjectName(QStringLiteral("Giganid"));
    FieldEdit::showOnly(m_institution);
    m_bankCode->setObjectName(QStringLiteral("EdBank"));
    m_bank->setObjectName(QStringLiteral("SelBank"));
    m_bank->setMaxVisibleItems(8);
    m_bank->addItem(QString(), QString());
    for (const TDM1::CodeEntry& bank : m_workspace.data().codes(TDM1::CodeKind::Bank))
        m_bank->addItem(bank.name, bank.id);
    m_account->setObjectName(QStringLiteral("EdBankNo"));
    m_payer->setObjectName(QStringLiteral("EdNapbuNo"));
    // Letters and digits only, one byte each: the pattern keeps the box's 13 bytes as well.
    m_payer->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z0-9]{0,13}")), m_payer));
    m_realName->setObjectName(QStringLiteral("EdJuminNO"));
    m_requested->setObjectName(QStringLiteral("DBDateRequestDate"));
    m_requested->setDisplayFormat(DateTimeFormat);
    m_autoDay->setObjectName(QStringLiteral("SpinEdit_AutoIchedate"));
    FieldEdit::showOnly(m_autoDay);
    fillInstitutions();
    const auto label = [panel](const QString& text) { return new QLabel(text, panel); };
    grid->addWidget(label(QStringLiteral("성  명")), 0, 0);
    grid->addWidget(m_name, 0, 1);
    grid->addWidget(label(QStringLiteral("기관업체코드")), 0, 2);
    grid->addWidget(m_institutions, 0, 3);
    grid->addWidget(m_institution, 0, 4);
    grid->addWidget(label(QStringLiteral("은 행 명")), 1, 0);
    auto* bank = new QHBoxLayout;
    bank->addWidget(m_bankCode);
    bank->addWidget(m_bank, 1);
    grid->addLayout(bank, 1, 1);
    grid->addWidget(label(QStringLiteral("계좌번호")), 1, 2);
    grid->addWidget(m_account, 1, 3);
    grid->addWidget(label(QStringLiteral("납부번호")), 2, 0);
    grid->addWidget(m_payer, 2, 1);
    grid->addWidget(label(QStringLiteral("실명번호")), 2, 2);
    grid->addWidget(m_realName, 2, 3);
    grid->addWidget(label(QStringLiteral("신청일자(고객)")), 3, 0);
    grid->addWidget(m_requested, 3, 1);
    grid->addWidget(label(QStringLiteral("자동납부일자")), 3, 2);
    grid->addWidget(m_autoDay, 3, 3);
    grid->addWidget(label(QStringLiteral("사용안함(기본:0)")), 3, 4);
    grid->addWidget(label(QStringLiteral("#최대 납부자번호 길이 제한")), 1, 4);
    grid->addWidget(label(QStringLiteral("대량출금: 13자리, 아파트 : 10자리")), 2, 4);
    connect(m_institutions, &QComboBox::activated, this,
        [this] { m_institution->setText(m_institutions->currentData().toString()); });
    connect(m_bank, &QComboBox::activated, this, [this] { m_bankCode->setText(m_bank->currentData().toString()); });
    connect(m_bankCode, &QLineEdit::textEdited, this,
        [this](const QString& code) { m_bank->setCurrentIndex(std::max(0, m_bank->findData(code))); });
    setEditors({ m_name, m_institutions, m_bankCode, m_bank, m_account, m_payer, m_realName, m_requested });
    return panel;
}

QWidget* TfmTongRegister::buildResultPanel()
{
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    const std::pair<QLineEdit*, const char*> boxes[]
        = { { m_sent, "송신일자" }, { m_received, "수신일자" }, { m_status, "진행상태" }, { m_result, "처리결과" } };
    for (const auto& [box, caption] : boxes) {
        FieldEdit::showOnly(box);
        row->addWidget(new QLabel(QString::fromUtf8(caption), panel));
        row->addWidget(box, box == m_result ? 2 : 1);
    }
    m_sent->setObjectName(QStringLiteral("Senddate"));
    m_received->setObjectName(QStringLiteral("Receivedate"));
    m_status->setObjectName(QStringLiteral("EdStatus"));
    m_result->setObjectName(QStringLiteral("EdResultCD"));
    return panel;
}

QWidget* TfmTongRegister::buildFilterPanel()
{
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    m_all->setObjectName(QStringLiteral("CheckBox_all"));
    m_all->setChecked(true);
    row->addWidget(m_all);
    auto* states = new QGroupBox(
        QStringLiteral("상태별 검색 ( [대기] >> [은행송신:등록,해지 중] >> [은행수신:완료,오류] )"), panel);
    states->setObjectName(QStringLiteral("RadioGroup_Status"));
    auto* items = new QGridLayout(states);
    for (int state = 0; state < ConsentState::Count; ++state) {
        auto* item = new QRadioButton(states);
        item->setObjectName(QStringLiteral("rbStatus%1").arg(state));
        m_states->addButton(item, state);
        items->addWidget(item, 0, state);
    }
    row->addWidget(states, 1);
    connect(m_all, &QCheckBox::clicked, this, [this](bool on) {
        if (on)
            filterBy(std::nullopt);
        else
            m_all->setChecked(true);
    });
    connect(m_states, &QButtonGroup::idClicked, this, [this](int state) { filterBy(state); });
    return panel;
}

QWidget* TfmTongRegister::buildButtons()
{
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    const std::tuple<OwnCommand, const char*, const char*> buttons[] = {
        { OwnCommand::SelectAll, "LMDButton3", "전체 선택/해제" },
        { OwnCommand::ReplaceResidentNumbers, "LMDButton_SilmyungChange", "주민번호변경" },
        { OwnCommand::EvidenceFiles, "LMDButton_Evidential_File", "증빙파일관리" },
        { OwnCommand::SendEvidence, "LMDBLMDButton_Evidential_Sendutton2", "증빙파일전송" },
        { OwnCommand::QueueRegistrations, "LMDButton_Status0", "등록신청(등록대기)" },
        { OwnCommand::QueueCancellations, "LMDButton_Status4", "해지신청(해지대기)" },
    };
    for (const auto& [command, name, caption] : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(caption), panel);
        button->setObjectName(QString::fromLatin1(name));
        m_buttons.insert(command, button);
        connect(button, &QPushButton::clicked, this, [this, command = command] { runOwn(command); });
        row->addWidget(button);
    }
    return panel;
}

void TfmTongRegister::buildGrid()
{
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    setGrid(m_grid);
    m_selectionLabel->setObjectName(QStringLiteral("lb_Select"));
    auto* below = new QHBoxLayout;
    below->addWidget(m_selectionLabel);
    below->addStretch(1);
    below->addWidget(new QLabel(QStringLiteral("[선택은  CTRL + 마우스, SHIFT+방향키를 이용하세요]"), this));
    contentLayout()->addLayout(below);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!isEditing())
            showCurrent();
        showState();
    });
    connect(m_grid->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        // A selection the user changes by hand is no longer "every row".
        if (m_allSelected && m_grid->selectionModel()->selectedRows().size() < m_model->rowCount())
            m_allSelected = false;
        showSelection();
    });
    // Rows read after select all join the selection as they arrive.
    connect(m_model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
        if (m_allSelected)
            m_grid->selectionModel()->select(
                QItemSelection(m_model->index(first, 0), m_model->index(last, m_model->columnCount() - 1)),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
    });
}

void TfmTongRegister::fillInstitutions()
{
    m_institutions->clear();
    m_institutions->addItem(QString(), QString());
    for (const ConsentRegister::Institution& institution : m_register.institutions())
        m_institutions->addItem(institution.text, institution.code);
}

qint64 TfmTongRegister::currentKey() const
{
    return m_grid->currentKey();
}

ConsentRegister::Selection TfmTongRegister::selection() const
{
    if (m_allSelected)
        return { {}, true, m_filter };
    return { m_grid->selectedKeys(), false, m_filter };
}

bool TfmTongRegister::hasRows() const
{
    return m_model->rowCount() > 0;
}

QWidget* TfmTongRegister::firstEditor() const
{
    return m_name;
}

void TfmTongRegister::reload(qint64 key)
{
    m_allSelected = false;
    m_grid->reload(key);
    showCurrent();
    showCounts();
    showSelection();
    showState();
}

void TfmTongRegister::moveTo(qint64 key)
{
    m_grid->clearSelection();
    m_grid->moveTo(key);
    showCurrent();
}

void TfmTongRegister::filterBy(std::optional<int> state)
{
    m_filter.state = state;
    {
        const QSignalBlocker quiet(m_all);
        m_all->setChecked(!state);
    }
    m_states->setExclusive(false);
    for (QAbstractButton* item : m_states->buttons())
        item->setChecked(state && m_states->id(item) == *state);
    m_states->setExclusive(true);
    m_model->reset(gridFilterValues(m_filter));
    reload(0);
}

void TfmTongRegister::sortBy(ConsentRegister::Order order)
{
    const qint64 current = currentKey();
    m_order = order;
    m_model->setOrder(ConsentRegister::orderColumns(order));
    reload(current);
}

void TfmTongRegister::showCounts()
{
    const ConsentRegister::Counts counts = m_register.counts();
    m_all->setText(QStringLiteral("전체(%1)").arg(counts.total));
    for (int state = 0; state < ConsentState::Count; ++state)
        m_states->button(state)->setText(StateCaptions.at(state)
            + QString::number(counts.byState.at(static_cast<size_t>(state))) + QLatin1Char(')'));
}

void TfmTongRegister::showSelection()
{
    const int selected = m_register.selectedCount(selection());
    m_selectionLabel->setText(QStringLiteral("선택갯수:[%1]/[%2]").arg(selected).arg(m_register.count(m_filter)));
}

void TfmTongRegister::showCurrent()
{
    const std::optional<ConsentRegister::Consent> consent = m_register.consent(currentKey());
    showConsent(consent ? *consent : ConsentRegister::Consent());
    m_sent->setText(consent ? dateTimeText(consent->sent) : QString());
    m_received->setText(consent ? dateTimeText(consent->received) : QString());
    m_status->setText(consent ? ConsentState::name(consent->state) : QString());
    m_result->setText(consent ? ConsentState::resultText(consent->resultCode) : QString());
}

void TfmTongRegister::showConsent(const ConsentRegister::Consent& consent)
{
    m_name->setText(consent.name);
    m_institution->setText(consent.institution);
    m_institutions->setCurrentIndex(std::max(0, m_institutions->findData(consent.institution)));
    m_bankCode->setText(consent.bankCode);
    m_bank->setCurrentIndex(std::max(0, m_bank->findData(consent.bankCode)));
    m_account->setText(consent.account);
    m_payer->setText(consent.payerNumber);
    m_realName->setText(consent.realNameNumber);
    m_requested->setDateTime(consent.requested.isValid() ? consent.requested : QDateTime());
}

ConsentRegister::Consent TfmTongRegister::fromEditors() const
{
    ConsentRegister::Consent consent = m_editing;
    consent.name = m_name->text();
    consent.institution = m_institution->text();
    consent.bankCode = m_bankCode->text();
    consent.account = m_account->text();
    consent.payerNumber = m_payer->text();
    consent.realNameNumber = m_realName->text();
    consent.requested = m_requested->dateTime();
    return consent;
}

void TfmTongRegister::focus(ConsentRegister::Field field)
{
    const QHash<ConsentRegister::Field, QWidget*> editors { { ConsentRegister::Field::Name, m_name },
        { ConsentRegister::Field::Institution, m_institutions }, { ConsentRegister::Field::BankCode, m_bankCode },
        { ConsentRegister::Field::Account, m_account }, { ConsentRegister::Field::Payer, m_payer },
        { ConsentRegister::Field::RealName, m_realName } };
    if (QWidget* editor = editors.value(field))
        editor->setFocus();
}

bool TfmTongRegister::startInsert()
{
    const ConsentRegister::Outcome outcome = m_register.startNew(selection());
    if (!outcome.done)
        return false;
    m_editing = outcome.consent;
    m_allSelected = false;
    m_grid->clearSelection();
    showConsent(m_editing);
    m_name->selectAll();
    return true;
}

bool TfmTongRegister::startEdit()
{
    return false;
}

bool TfmTongRegister::save()
{
    const ConsentRegister::Outcome outcome = m_register.save(fromEditors());
    if (!outcome.done) {
        focus(outcome.focus);
        return false;
    }
    m_institutions->setCurrentIndex(0);
    reload(outcome.consent.key);
    if (!outcome.next)
        return true;
    m_editing = *outcome.next;
    showConsent(m_editing);
    continueEntry();
    focus(outcome.focus);
    return false;
}

void TfmTongRegister::cancelEdit()
{
    showCurrent();
}

void TfmTongRegister::deleteCurrent()
{
    if (!m_register.remove(currentKey(), selection()).done)
        return;
    m_institutions->setCurrentIndex(0);
    reload(0);
}

void TfmTongRegister::toggleSelectAll()
{
    if (m_register.selectedCount(selection()) == m_register.count(m_filter) && m_register.count(m_filter) > 0) {
        m_allSelected = false;
        m_grid->clearSelection();
    } else {
        m_allSelected = true;
        m_grid->selectAll();
    }
    showSelection();
}

void TfmTongRegister::queue(bool registrations)
{
    const ConsentRegister::Selection chosen = selection();
    const ConsentRegister::Outcome outcome
        = registrations ? m_register.queueRegistrations(chosen) : m_register.queueCancellations(chosen);
    if (outcome.done)
        reload(currentKey());
}

void TfmTongRegister::replaceResidentNumbers()
{
    if (m_register.replaceResidentNumbers().done)
        reload(currentKey());
}

void TfmTongRegister::search()
{
    m_allSelected = false;
    m_grid->clearSelection();
    TfmFindRegister dialog(m_register, *this);
    dialog.exec();
}

// The consents of the current filter, as a workbook the user places.
void TfmTongRegister::exportList()
{
    SpreadsheetSave::run(
        m_workspace, QStringLiteral("출금동의.xlsx"), [this](SpreadsheetWriter& writer, const QString& path) {
            SpreadsheetRowList rows = SpreadsheetSources::consentRegister(m_workspace, m_filter);
            return writer.exportTable(SpreadsheetWriter::ConsentRegisterLayout, rows, path);
        });
}

void TfmTongRegister::showOwnCommands()
{
    const bool browsing = !isEditing();
    const bool rows = hasRows();
    const std::optional<ConsentRegister::Consent> current = m_register.consent(currentKey());
    for (QAction* action : m_own)
        action->setEnabled(browsing);
    m_own.value(OwnCommand::Continuous)->setEnabled(true);
    // Reading consents from files and the evidence files come with their own screens.
    m_own.value(OwnCommand::ReadFile)->setEnabled(false);
    m_own.value(OwnCommand::ToExcel)->setEnabled(browsing && rows);
    m_own.value(OwnCommand::Search)->setEnabled(browsing && rows);
    m_own.value(OwnCommand::Sort)->setEnabled(browsing && rows);
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it)
        it.value()->setEnabled(
            browsing && it.key() != OwnCommand::EvidenceFiles && it.key() != OwnCommand::SendEvidence);
    action(Command::Delete)->setEnabled(browsing && rows && !(current && ConsentState::isInFlight(current->state)));
    action(Command::Close)->setEnabled(browsing);
}
