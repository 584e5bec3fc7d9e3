#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QWidget;

// What a chosen menu item or picture button hands to its command.
struct MenuCommand {
    QString command; // what the handler is bound to: the component name, or MainCommand::CodeTable
    QString component; // the item's component name
    QString caption; // the item's caption
    QString formCaption; // the caption of the screen it opens
    int tag = 0; // selects the page or the code table
    bool viewOnly = false;
};

// One of the main window's two menu bars: MainMenu for the idle frame, SubMainMenu while a business
// window is open. Items carry their command, tag and caption; the frame binds commands to handlers.
class MainMenuSet {
public:
    static std::unique_ptr<MainMenuSet> createMainMenu(QWidget* owner);
    static std::unique_ptr<MainMenuSet> createSubMainMenu(QWidget* owner);

    const QString& name() const { return m_name; }
    const QList<QMenu*>& menus() const { return m_menus; }
    QAction* item(const QString& component) const;
    QList<QAction*> items() const;

    // Adds the upgrade schedule item at the end of the settings menu.
    QAction* addAutoUpgradeItem();
    // An item is enabled when its command is available, unless this bar always disables it.
    void updateEnabled(const std::function<bool(const QString&)>& available);

    static MenuCommand commandOf(const QAction* action);

private:
    struct Item;

    MainMenuSet(const QString& name, QWidget* owner)
        : m_name(name)
        , m_owner(owner)
    {
    }
    QMenu* addMenu(const QString& title);
    QAction* addItem(QMenu* menu, const Item& item);
    void addCodeTableItems(QMenu* menu, bool viewOnly);

    QString m_name;
    QWidget* m_owner;
    QList<QMenu*> m_menus;
    QList<QAction*> m_items;
};
