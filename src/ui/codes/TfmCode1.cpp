#include "ui/codes/TfmCode1.h"

#include "core/app/Workspace.h"
#include "ui/common/FieldEdit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTableWidget>

namespace {

const QString Table = QStringLiteral("Usercode");

// The boxes of a service group: column, label and how the box takes input.
struct Box {
    const char* column;
    const char* label;
    FieldEdit::Options options;
    int width; // 0: the catalogue's
};

QList<Box> serviceBoxes(
    const char* out, const char* in, const char* code, const char* password, const char* bank, const char* account)
{
    QList<Box> boxes { { out, "송신화일정보", FieldEdit::UpperCase, 0 },
        { in, "수신화일정보", FieldEdit::UpperCase, 0 }, { code, "기 관 코 드", FieldEdit::Plain, 0 },
        { password, "기관비밀번호", FieldEdit::Password, 0 }, { bank, "거래은행 ID", FieldEdit::UpperCase, 7 } };
    if (account)
        boxes << Box { account, "모계좌번호", FieldEdit::DigitsOnly, 14 };
    return boxes;
}

} // namespace

TfmCode1::TfmCode1(Workspace& workspace, const QString& caption, bool viewOnly, QWidget* parent)
    : EntryScreen(workspace.messages(), viewOnly, parent)
    , m_settings(workspace, caption)
    , m_grid(new QTableWidget(0, 4, this))
    , m_evidence(new QComboBox(this))
{
    setObjectName(QStringLiteral("fmCode1"));
    setWindowTitle(caption);
    contentLayout()->addWidget(buildPanel());
    m_grid->setObjectName(QStringLiteral("grdInstitutions"));
    m_grid->setHorizontalHeaderLabels({ QStringLiteral("기 관 명 칭"), QStringLiteral("대량입금 기관코드"),
        QStringLiteral("대량출금 기관코드"), QStringLiteral("아파트뱅킹 기관코드") });
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    setGrid(m_grid);
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this] {
        if (!isEditing())
            showRow(current());
    });
    resize(586, 534);
    reload(0);
}

void TfmCode1::execute(Workspace& workspace, const QString& caption, bool viewOnly, QWidget* parent)
{
    TfmCode1 screen(workspace, caption, viewOnly, parent);
    screen.exec();
}

QWidget* TfmCode1::buildPanel()
{
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    QList<QWidget*> editors;
    auto* name = new FieldEdit(Table, QStringLiteral("Name"), FieldEdit::Plain, panel);
    auto* nameRow = new QFormLayout;
    nameRow->addRow(QStringLiteral("기 관 명 칭"), name);
    grid->addLayout(nameRow, 0, 0, 1, 3);
    editors << name;

    const auto addGroup = [&](const QString& title, const QList<Box>& boxes, int row, int column) {
        auto* group = new QGroupBox(title, panel);
        auto* form = new QFormLayout(group);
        form->setContentsMargins(4, 2, 4, 2);
        for (const Box& box : boxes) {
            const QString columnName = QString::fromLatin1(box.column);
            auto* edit = box.width > 0 ? new FieldEdit(box.width, box.options, group)
                                       : new FieldEdit(Table, columnName, box.options, group);
            edit->setObjectName(QStringLiteral("ed") + columnName);
            form->addRow(QString::fromUtf8(box.label), edit);
            editors << edit;
        }
        grid->addWidget(group, row, column);
    };
    addGroup(
        QStringLiteral("대량입금"), serviceBoxes("TONGOUT", "TONGIN", "TOID10", "TOPASS", "TOBCODE", "BankNoT1"), 1, 0);
    addGroup(QStringLiteral("아파트뱅킹"), serviceBoxes("APOUT", "APIN", "APID10", "APPASS", "APBCODE", nullptr), 1, 1);
    addGroup(QStringLiteral("대량출금"),
        serviceBoxes("TONG2OUT", "TONG2IN", "TOID210", "TO2PASS", "TO2BCODE", "BankNoT2"), 1, 2);
    addGroup(QStringLiteral("CMS 자금수납"), { { "HY1", "수신화일정보", FieldEdit::UpperCase, 0 } }, 2, 0);
    addGroup(QStringLiteral("CMS 받을어음"), { { "HY2", "수신화일정보", FieldEdit::UpperCase, 0 } }, 2, 1);
    addGroup(QStringLiteral("통장거래내역"), { { "HY3", "수신화일정보", FieldEdit::UpperCase, 0 } }, 2, 2);

    auto* consent = new QGroupBox(QStringLiteral("출금동의신청"), panel);
    auto* consentForm = new QFormLayout(consent);
    for (const auto& [column, label] :
        { std::pair { "TRegisterOUT", "송신화일정보" }, { "TRegisterIN", "수신화일정보" } }) {
        auto* edit = new FieldEdit(Table, QString::fromLatin1(column), FieldEdit::Plain, consent);
        FieldEdit::showOnly(edit);
        consentForm->addRow(QString::fromUtf8(label), edit);
    }
    grid->addWidget(consent, 3, 0, 1, 2);
    auto* evidence = new QGroupBox(QStringLiteral("증빙자료전송"), panel);
    auto* evidenceForm = new QFormLayout(evidence);
    m_evidence->setParent(evidence);
    m_evidence->setObjectName(QStringLiteral("cbAUTHSENDTYPE"));
    m_evidence->setEditable(true);
    // The typed text goes through the same box as every other column, so that it keeps to its width and takes
    // the focus after a refusal.
    m_evidence->setLineEdit(new FieldEdit(Table, QStringLiteral("AUTHSENDTYPE"), FieldEdit::Plain, m_evidence));
    m_evidence->addItems({ QStringLiteral("제출"), QStringLiteral("일부면제"), QStringLiteral("면제") });
    evidenceForm->addRow(QStringLiteral("증빙제출구분"), m_evidence);
    grid->addWidget(evidence, 3, 2);
    editors << m_evidence;
    setEditors(editors);
    return panel;
}

QLineEdit* TfmCode1::box(const QString& column) const
{
    return findChild<QLineEdit*>(QStringLiteral("ed") + column);
}

void TfmCode1::reload(qint64 selectRec)
{
    m_rows = m_settings.rows();
    m_grid->setRowCount(static_cast<int>(m_rows.size()));
    int selected = m_rows.isEmpty() ? -1 : 0;
    for (int i = 0; i < m_rows.size(); ++i) {
        const InstitutionSettings::Row& row = m_rows.at(i);
        const QStringList cells { row.value(QStringLiteral("Name")), row.value(QStringLiteral("TOID10")),
            row.value(QStringLiteral("TOID210")), row.value(QStringLiteral("APID10")) };
        for (int column = 0; column < cells.size(); ++column)
            m_grid->setItem(i, column, new QTableWidgetItem(cells.at(column)));
        if (row.rec == selectRec)
            selected = i;
    }
    m_grid->setCurrentCell(selected, 0);
    showRow(current());
    showState();
}

void TfmCode1::showRow(const InstitutionSettings::Row& row)
{
    for (const QString& column : InstitutionSettings::editedColumns()) {
        if (QLineEdit* edit = box(column))
            edit->setText(row.value(column));
    }
}

InstitutionSettings::Row TfmCode1::current() const
{
    const int row = m_grid->currentRow();
    return row >= 0 && row < m_rows.size() ? m_rows.at(row) : InstitutionSettings::Row();
}

InstitutionSettings::Row TfmCode1::fromBoxes() const
{
    InstitutionSettings::Row row = m_editing;
    for (const QString& column : InstitutionSettings::editedColumns()) {
        if (const QLineEdit* edit = box(column))
            row.values.insert(column, edit->text());
    }
    return row;
}

bool TfmCode1::startInsert()
{
    m_editing = m_settings.newRow();
    showRow(m_editing);
    return true;
}

bool TfmCode1::startEdit()
{
    m_editing = current();
    if (!m_settings.confirmCodesInUse(m_editing))
        return false;
    m_editing.values.insert(QStringLiteral("TRegisterIN"), InstitutionSettings::consentFileCode());
    m_editing.values.insert(QStringLiteral("TRegisterOUT"), InstitutionSettings::consentFileCode());
    showRow(m_editing);
    return true;
}

void TfmCode1::deleteCurrent()
{
    if (m_settings.remove(current()))
        reload(0);
}

bool TfmCode1::save()
{
    InstitutionSettings::Row row = fromBoxes();
    const InstitutionSettings::Outcome outcome = m_settings.save(row);
    if (!outcome.saved) {
        if (QLineEdit* focus = box(outcome.focus))
            focus->setFocus();
        return false;
    }
    reload(row.rec);
    return true;
}

void TfmCode1::cancelEdit()
{
    showRow(current());
}
