#include "ui/codes/TfmCode2.h"

#include "core/app/Workspace.h"
#include "ui/common/FieldEdit.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QTableWidget>
#include <limits>

namespace {

int boxWidth(int width)
{
    return width > 0 ? width : std::numeric_limits<int>::max();
}

} // namespace

TfmCode2::TfmCode2(Workspace& workspace, int tag, const QString& caption, bool viewOnly, QWidget* parent)
    : EntryScreen(workspace.messages(), viewOnly, parent)
    , m_tables(workspace, tag, caption, !viewOnly)
    , m_code(new FieldEdit(boxWidth(m_tables.codeWidth()), FieldEdit::UpperCase, this))
    , m_name(new FieldEdit(boxWidth(m_tables.nameWidth()), FieldEdit::Plain, this))
    , m_grid(new QTableWidget(this))
{
    setObjectName(QStringLiteral("fmCode2"));
    setWindowTitle(caption);
    m_code->setObjectName(QStringLiteral("edCode"));
    m_name->setObjectName(QStringLiteral("edName"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("코  드"), m_code);
    form->addRow(QStringLiteral("내  용"), m_name);
    contentLayout()->addLayout(form);
    setEditors({ m_code, m_name });
    resize(386, 374);
}

void TfmCode2::execute(Workspace& workspace, int tag, const QString& caption, bool viewOnly, QWidget* parent)
{
    TfmCode2 screen(workspace, tag, caption, viewOnly, parent);
    screen.build();
    screen.exec();
}

void TfmCode2::build()
{
    m_grid->setObjectName(QStringLiteral("grdCodes"));
    m_grid->setColumnCount(static_cast<int>(columnTitles().size()));
    m_grid->setHorizontalHeaderLabels(columnTitles());
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    setGrid(m_grid);
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this] {
        if (!isEditing())
            showRow(current());
    });
    reload(QString());
}

QStringList TfmCode2::columnTitles() const
{
    return { QStringLiteral("코  드"), QStringLiteral("내             용") };
}

QStringList TfmCode2::cells(const CodeTables::Row& row) const
{
    return { row.id, row.name };
}

void TfmCode2::reload(const QString& selectId)
{
    m_rows = m_tables.rows();
    m_grid->clearSelection();
    m_grid->setRowCount(static_cast<int>(m_rows.size()));
    int selected = m_rows.isEmpty() ? -1 : 0;
    for (int i = 0; i < m_rows.size(); ++i) {
        const QStringList texts = cells(m_rows.at(i));
        for (int column = 0; column < texts.size(); ++column)
            m_grid->setItem(i, column, new QTableWidgetItem(texts.at(column)));
        if (m_rows.at(i).id == selectId)
            selected = i;
    }
    m_grid->setCurrentCell(selected, 0, QItemSelectionModel::NoUpdate);
    showRow(current());
    showState();
}

void TfmCode2::showRow(const CodeTables::Row& row)
{
    m_code->setText(row.id);
    m_name->setText(row.name);
}

CodeTables::Row TfmCode2::current() const
{
    const int row = m_grid->currentRow();
    return row >= 0 && row < m_rows.size() ? m_rows.at(row) : CodeTables::Row();
}

QStringList TfmCode2::selectedIds() const
{
    QStringList ids;
    for (const QModelIndex& index : m_grid->selectionModel()->selectedRows())
        ids << m_rows.at(index.row()).id;
    return ids;
}

bool TfmCode2::startInsert()
{
    if (!m_tables.canInsert())
        return false;
    m_originalId.clear();
    showRow({});
    return true;
}

bool TfmCode2::startEdit()
{
    if (!m_tables.canEdit())
        return false;
    m_originalId = current().id;
    return true;
}

void TfmCode2::deleteCurrent()
{
    const QStringList ids = selectedIds();
    if (m_tables.confirmDelete(static_cast<int>(ids.size())) && m_tables.remove(current(), ids))
        reload(QString());
}

bool TfmCode2::save()
{
    const CodeTables::SaveOutcome outcome
        = m_tables.save({ m_originalId, m_code->text(), m_name->text(), sendVersionIndex() });
    if (outcome.saved) {
        reload(outcome.id);
        return true;
    }
    QWidget* focus = outcome.focus == CodeTables::Field::Code ? m_code
        : outcome.focus == CodeTables::Field::Name            ? m_name
                                                              : sendVersionBox();
    if (focus)
        focus->setFocus();
    return false;
}

void TfmCode2::cancelEdit()
{
    showRow(current());
}

void TfmCode2::closeEvent(QCloseEvent* event)
{
    EntryScreen::closeEvent(event);
    if (event->isAccepted())
        m_tables.close();
}
