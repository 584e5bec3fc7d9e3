#pragma once

#include "ui/common/EntryGuard.h"
#include <QDialog>
#include <QHash>

#include <QList>

class QAbstractItemView;
class QAction;
class QToolBar;
class QVBoxLayout;

// The frame every entry screen shares: the tool bar 입 력, 수 정, 삭 제, 저 장, 취 소, 닫 기, the same commands in a
// pop-up menu with their shortcuts (Ctrl+I, Ctrl+E, Ctrl+D, Ctrl+S, Esc, Ctrl+F4), the browse and edit states, and
// Enter and Shift+Enter moving between the editors. A screen puts its editors and grid below the tool bar and gives the
// work of each command; the frame keeps the states.
//
// What was typed is never dropped without a word: Esc over an open drop-down list closes the list only; 취 소 asks
// first once an editor differs from what the entry began with; closing the window while so editing offers to save.
class EntryScreen : public QDialog {
    Q_OBJECT
public:
    enum class Command { Insert, Edit, Delete, Save, Cancel, Close };
    // Where a screen's own command shows: on the tool bar and in the pop-up menu, or in the menu only.
    enum class Place { ToolBar, MenuOnly };

    bool isEditing() const { return m_editing; }
    bool isViewOnly() const { return m_viewOnly; }
    QAction* action(Command command) const { return m_actions.value(command); }
    // Runs a command as its button would, when it is enabled.
    void trigger(Command command);

protected:
    EntryScreen(Messages& messages, bool viewOnly, QWidget* parent);

    // Where the screen lays out its editing panel and its grid.
    QVBoxLayout* contentLayout() const { return m_content; }
    // A screen's own commands join the tool bar and the grid's pop-up menu; showState() calls
    // showOwnCommands() for their enabled state. A command with a menu opens it from its tool button.
    void addOwnCommand(QAction* action, Place place = Place::ToolBar);
    virtual void showOwnCommands() { }
    // The boxes enabled while editing and disabled while browsing, in the order Enter walks them.
    void setEditors(const QList<QWidget*>& editors);
    // Placed below the editors, whole rows selected, nothing edited in place; enabled and focused while browsing; a
    // right click opens the pop-up menu.
    void setGrid(QAbstractItemView* grid);
    // The tool tips start as the settings screens have them: "신규 설정 내용 입력[Ctrl-I]" and so on.
    void setHint(Command command, const QString& hint);

    // True when editing begins.
    virtual bool startInsert() = 0;
    virtual bool startEdit() = 0;
    virtual void deleteCurrent() = 0;
    // True when the row was stored and browsing resumes.
    virtual bool save() = 0;
    virtual void cancelEdit() = 0;
    virtual bool hasRows() const = 0;
    // Whether this screen may change its rows at all (an editable table opened in edit form).
    virtual bool canChange() const { return !m_viewOnly; }
    // The first editor to focus when editing begins.
    virtual QWidget* firstEditor() const;

    // Brings the buttons, the menu and the editors to the state: after data changed, or a screen's own command.
    void showState();
    // Continuous entry: save() stored the row and shows the next new one, which starts untouched.
    void continueEntry();
    // Before the window closes: an entry with typed changes asks whether to save it. False keeps the window open
    // (the answer was 취소, or saving was refused); otherwise the entry is saved or discarded and browsing resumes.
    bool settleEntry();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void addCommand(Command command, const QString& name, const QString& caption, const QKeySequence& shortcut);
    void run(Command command);
    void setEditing(bool editing);

    EntryGuard m_guard;
    bool m_viewOnly;
    bool m_editing = false;
    QToolBar* m_toolBar;
    QVBoxLayout* m_content;
    QHash<Command, QAction*> m_actions;
    QList<QWidget*> m_editors;
    QAbstractItemView* m_grid = nullptr;
    QList<QAction*> m_ownCommands;
    bool m_continued = false;
};
