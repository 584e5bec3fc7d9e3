#include "ui/common/EntryScreen.h"

#include "ui/app/MainArtwork.h"

#include <QAbstractItemView>
#include <QAction>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

EntryScreen::EntryScreen(Messages& messages, bool viewOnly, QWidget* parent)
    : QDialog(parent)
    , m_guard(messages)
    , m_viewOnly(viewOnly)
    , m_toolBar(new QToolBar(this))
    , m_content(new QVBoxLayout)
{
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setIconSize(QSize(24, 24));
    addCommand(
        Command::Insert, QStringLiteral("btnInsert"), QStringLiteral("입 력"), QKeySequence(QStringLiteral("Ctrl+I")));
    addCommand(
        Command::Edit, QStringLiteral("btnEdit"), QStringLiteral("수 정"), QKeySequence(QStringLiteral("Ctrl+E")));
    addCommand(
        Command::Delete, QStringLiteral("btnDelete"), QStringLiteral("삭 제"), QKeySequence(QStringLiteral("Ctrl+D")));
    m_toolBar->addSeparator();
    addCommand(
        Command::Save, QStringLiteral("btnSave"), QStringLiteral("저 장"), QKeySequence(QStringLiteral("Ctrl+S")));
    addCommand(Command::Cancel, QStringLiteral("btnCancel"), QStringLiteral("취 소"), QKeySequence(Qt::Key_Escape));
    m_toolBar->addSeparator();
    addCommand(
        Command::Close, QStringLiteral("btnClose"), QStringLiteral("닫 기"), QKeySequence(QStringLiteral("Ctrl+F4")));
    setHint(Command::Insert, QStringLiteral("신규 설정 내용 입력[Ctrl-I]"));
    setHint(Command::Edit, QStringLiteral("설정 내용 수정[Ctrl-E]"));
    setHint(Command::Delete, QStringLiteral("설정 내용 삭제[Ctrl-D]"));
    setHint(Command::Save, QStringLiteral("입력 또는 수정한 내용 저장 [Ctrl-S]"));
    setHint(Command::Cancel, QStringLiteral("입력 또는 수정한 내용 취소[Esc]"));
    setHint(Command::Close, QStringLiteral("화면 닫기[Ctrl-F4]"));
    m_actions.value(Command::Save)->setIcon(MainArtwork::toolIcon(MainArtwork::ToolGlyph::Save));
    m_actions.value(Command::Close)->setIcon(MainArtwork::toolIcon(MainArtwork::ToolGlyph::Exit));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_toolBar);
    layout->addLayout(m_content, 1);
}

void EntryScreen::addCommand(Command command, const QString& name, const QString& caption, const QKeySequence& shortcut)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, command] { run(command); });
    m_actions.insert(command, action);
    m_toolBar->addAction(action);
    addAction(action);
}

void EntryScreen::addOwnCommand(QAction* action, Place place)
{
    if (place == Place::ToolBar) {
        m_toolBar->insertAction(m_actions.value(Command::Save), action);
        if (auto* button = qobject_cast<QToolButton*>(m_toolBar->widgetForAction(action)); button && action->menu())
            button->setPopupMode(QToolButton::InstantPopup);
    }
    addAction(action);
    m_ownCommands << action;
}

void EntryScreen::setHint(Command command, const QString& hint)
{
    m_actions.value(command)->setToolTip(hint);
    m_actions.value(command)->setStatusTip(hint);
}

void EntryScreen::setEditors(const QList<QWidget*>& editors)
{
    m_editors = editors;
    m_guard.setEditors(editors);
    for (QWidget* editor : editors)
        editor->installEventFilter(this);
}

void EntryScreen::setGrid(QAbstractItemView* grid)
{
    m_grid = grid;
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    if (auto* table = qobject_cast<QTableView*>(grid)) {
        table->horizontalHeader()->setStretchLastSection(true);
        table->verticalHeader()->hide();
    }
    m_content->addWidget(grid, 1);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& point) {
        QMenu menu(this);
        for (const Command command : { Command::Insert, Command::Edit, Command::Delete })
            menu.addAction(m_actions.value(command));
        menu.addActions(m_ownCommands);
        for (const Command command : { Command::Save, Command::Cancel, Command::Close })
            menu.addAction(m_actions.value(command));
        menu.exec(m_grid->viewport()->mapToGlobal(point));
    });
}

QWidget* EntryScreen::firstEditor() const
{
    return m_editors.isEmpty() ? nullptr : m_editors.first();
}

void EntryScreen::trigger(Command command)
{
    QAction* action = m_actions.value(command);
    if (action->isEnabled())
        action->trigger();
}

void EntryScreen::run(Command command)
{
    switch (command) {
    case Command::Insert:
        setEditing(startInsert());
        break;
    case Command::Edit:
        setEditing(startEdit());
        break;
    case Command::Delete:
        deleteCurrent();
        showState();
        break;
    case Command::Save:
        setEditing(!save());
        break;
    case Command::Cancel:
        if (m_guard.mayCancel()) {
            cancelEdit();
            setEditing(false);
        }
        break;
    case Command::Close:
        close();
        break;
    }
}

void EntryScreen::continueEntry()
{
    m_continued = true;
    m_guard.begin();
}

bool EntryScreen::settleEntry()
{
    if (!m_editing)
        return true;
    switch (m_guard.askOnClose()) {
    case Messages::Button::Yes: {
        m_continued = false;
        const bool stored = save();
        if (!stored && !m_continued)
            return false;
        if (stored) {
            setEditing(false);
            return true;
        }
        break;
    }
    case Messages::Button::No:
        break;
    default:
        return false;
    }
    cancelEdit();
    setEditing(false);
    return true;
}

void EntryScreen::setEditing(bool editing)
{
    const bool began = editing && !m_editing;
    m_editing = editing;
    if (began)
        m_guard.begin();
    showState();
    if (began && firstEditor())
        firstEditor()->setFocus();
    else if (!editing && m_grid)
        m_grid->setFocus();
}

void EntryScreen::showState()
{
    const bool changes = canChange() && !m_editing;
    m_actions.value(Command::Insert)->setEnabled(changes);
    m_actions.value(Command::Edit)->setEnabled(changes && hasRows());
    m_actions.value(Command::Delete)->setEnabled(changes && hasRows());
    m_actions.value(Command::Save)->setEnabled(m_editing);
    m_actions.value(Command::Cancel)->setEnabled(m_editing);
    for (QWidget* editor : m_editors)
        editor->setEnabled(m_editing);
    if (m_grid)
        m_grid->setEnabled(!m_editing);
    showOwnCommands();
}

// Enter moves to the next editor and Shift+Enter to the one before, as in every entry screen of the program.
bool EntryScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            const int index = static_cast<int>(m_editors.indexOf(static_cast<QWidget*>(watched)));
            const int step = key->modifiers().testFlag(Qt::ShiftModifier) ? -1 : 1;
            for (int next = index + step; index >= 0 && next >= 0 && next < m_editors.size(); next += step) {
                if (m_editors.at(next)->isEnabled() && (m_editors.at(next)->focusPolicy() & Qt::TabFocus)) {
                    m_editors.at(next)->setFocus();
                    return true;
                }
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Esc is the 취 소 of the tool bar: it cancels an edit and never closes the screen.
void EntryScreen::reject()
{
    trigger(Command::Cancel);
}

void EntryScreen::closeEvent(QCloseEvent* event)
{
    if (!settleEntry()) {
        event->ignore();
        return;
    }
    done(QDialog::Accepted);
    event->accept();
}
