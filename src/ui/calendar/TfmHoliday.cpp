#include "ui/calendar/TfmHoliday.h"

#include "core/app/Workspace.h"
#include "core/calendar/HolidayList.h"
#include "core/common/Clock.h"
#include "ui/common/FieldEdit.h"

#include <QBoxLayout>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

namespace {

QString sourceCaption(HolidayList::Source source)
{
    switch (source) {
    case HolidayList::Source::Added:
        return QStringLiteral("추가");
    case HolidayList::Source::Removed:
        return QStringLiteral("제외");
    case HolidayList::Source::Rule:
        break;
    }
    return QStringLiteral("기본");
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(name);
    return result;
}

} // namespace

TfmHoliday::TfmHoliday(Workspace& workspace, QWidget* parent)
    : QDialog(parent)
    , m_list(std::make_unique<HolidayList>(workspace))
    , m_year(new QSpinBox(this))
    , m_days(new QTableWidget(0, 3, this))
    , m_date(new QDateEdit(this))
    , m_name(new FieldEdit(QStringLiteral("HolidayList"), QStringLiteral("Name"), FieldEdit::Plain, this))
{
    setObjectName(QStringLiteral("fmHoliday"));
    setWindowTitle(QStringLiteral("휴일 관리"));
    const QDate today = workspace.clock().today();
    m_year->setObjectName(QStringLiteral("seYear"));
    m_year->setRange(1990, 2099);
    m_year->setValue(today.year());
    m_days->setObjectName(QStringLiteral("grdDays"));
    m_days->setHorizontalHeaderLabels({ QStringLiteral("날짜"), QStringLiteral("구분"), QStringLiteral("이름") });
    m_days->horizontalHeader()->setStretchLastSection(true);
    m_days->verticalHeader()->hide();
    m_days->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_days->setSelectionMode(QAbstractItemView::SingleSelection);
    m_days->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_date->setObjectName(QStringLiteral("deDate"));
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_date->setDate(today);
    m_name->setObjectName(QStringLiteral("edName"));

    auto* yearRow = new QHBoxLayout;
    yearRow->addWidget(new QLabel(QStringLiteral("연도"), this));
    yearRow->addWidget(m_year);
    yearRow->addStretch();
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(m_date);
    addRow->addWidget(m_name, 1);
    QPushButton* add = button(QStringLiteral("btnAdd"), QStringLiteral("추 가"), this);
    addRow->addWidget(add);
    auto* actions = new QHBoxLayout;
    QPushButton* remove = button(QStringLiteral("btnRemove"), QStringLiteral("휴일에서 빼기"), this);
    QPushButton* restore = button(QStringLiteral("btnRestore"), QStringLiteral("되살리기"), this);
    QPushButton* close = button(QStringLiteral("btnClose"), QStringLiteral("닫 기"), this);
    actions->addWidget(remove);
    actions->addWidget(restore);
    actions->addStretch();
    actions->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(yearRow);
    layout->addWidget(m_days, 1);
    layout->addLayout(addRow);
    layout->addLayout(actions);
    resize(460, 520);

    connect(m_year, &QSpinBox::valueChanged, this, &TfmHoliday::showYear);
    connect(add, &QPushButton::clicked, this, &TfmHoliday::addDay);
    connect(remove, &QPushButton::clicked, this, &TfmHoliday::removeSelected);
    connect(restore, &QPushButton::clicked, this, &TfmHoliday::restoreSelected);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    showYear();
}

TfmHoliday::~TfmHoliday() = default;

void TfmHoliday::execute(Workspace& workspace, QWidget* parent)
{
    TfmHoliday dialog(workspace, parent);
    dialog.exec();
}

void TfmHoliday::showYear()
{
    const QList<HolidayList::Day> days = m_list->year(m_year->value());
    m_days->setRowCount(static_cast<int>(days.size()));
    for (int row = 0; row < days.size(); ++row) {
        const HolidayList::Day& day = days.at(row);
        m_days->setItem(row, 0, new QTableWidgetItem(day.date.toString(QStringLiteral("yyyy-MM-dd"))));
        m_days->setItem(row, 1, new QTableWidgetItem(sourceCaption(day.source)));
        m_days->setItem(row, 2, new QTableWidgetItem(day.name));
    }
    m_days->resizeColumnsToContents();
}

void TfmHoliday::addDay()
{
    if (!m_list->add(m_date->date(), m_name->text()))
        return;
    m_name->clear();
    m_year->setValue(m_date->date().year());
    showYear();
}

void TfmHoliday::removeSelected()
{
    const QDate date = selectedDate();
    if (date.isValid() && m_list->remove(date))
        showYear();
}

void TfmHoliday::restoreSelected()
{
    const QDate date = selectedDate();
    if (date.isValid() && m_list->restore(date))
        showYear();
}

QDate TfmHoliday::selectedDate() const
{
    const QTableWidgetItem* item = m_days->currentRow() < 0 ? nullptr : m_days->item(m_days->currentRow(), 0);
    return item ? QDate::fromString(item->text(), QStringLiteral("yyyy-MM-dd")) : QDate();
}
