#pragma once

#include "core/app/ScreenLayout.h"
#include "core/exchange/SendReceiveRun.h"
#include "ui/app/CommandTable.h"
#include "ui/app/MainMenuSet.h"
#include "ui/app/ProgramSession.h"
#include "ui/common/BusinessWindow.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>

class Workspace;
class PictureArea;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

// The frame of the program: at most one business window inside, otherwise the picture with its
// buttons; the full menu bar MainMenu while idle and the reduced SubMainMenu while a business window
// is open. Closing it ends the program; it can be resized and opens where it was left.
class TfmMain : public QMainWindow {
    Q_OBJECT
public:
    using WindowFactory = std::function<BusinessWindow*()>;
    using WindowTest = std::function<bool(const BusinessWindow*)>;

    // The size it first opens at, and the smallest it can be made: the picture keeps its layout.
    static constexpr int ClientWidth = 758;
    static constexpr int ClientHeight = 522;

    // arguments: the command line without the program and --home; the first one may be TEST or UPGRADE.
    TfmMain(ProgramSession& session, const QStringList& arguments, QWidget* parent = nullptr);
    ~TfmMain() override;

    // Opens a business window of the given class, maximised; the active one of the same class stays as
    // it is. Returns the window now open, or nullptr when the current one refused to close.
    template <class Window, class... Arguments> Window* openBusinessWindow(Arguments&&... arguments)
    {
        const WindowTest isOfClass
            = [](const BusinessWindow* window) { return dynamic_cast<const Window*>(window) != nullptr; };
        return static_cast<Window*>(
            openBusinessWindow(isOfClass, [&] { return new Window(std::forward<Arguments>(arguments)...); }));
    }
    BusinessWindow* openBusinessWindow(const WindowTest& isOfClass, const WindowFactory& create);
    BusinessWindow* activeBusinessWindow() const;
    // True when there was none or it agreed to close.
    bool closeActiveBusinessWindow();
    // Shows the menu bar, the picture and the window's Close that fit whether a business window exists.
    void switchMenus();

    // Makes a command available: its menu items and picture buttons become enabled.
    void bindCommand(const QString& command, CommandTable::Handler handler);
    bool hasCommand(const QString& command) const { return m_commands.isAvailable(command); }
    void runCommand(const MenuCommand& command);

    MainMenuSet& mainMenu() const { return *m_mainMenu; }
    MainMenuSet& subMainMenu() const { return *m_subMainMenu; }
    const MainMenuSet& currentMenu() const { return *m_currentMenu; }
    PictureArea* pictureArea() const { return m_pictureArea; }
    QMenu* noticeMenu() const { return m_noticeMenu; }
    bool isCloseEnabled() const;

    Workspace& context() const { return m_context; }
    ProgramSession& session() const { return m_session; }
    // Refills the two code lists from the database; a database error goes to the error box.
    bool loadCodeLists();
    // The notice line on the bottom strip, from the delivered notice file or the settings; after every send/receive
    // run.
    void refreshNotice();
    QString noticeText() const;
    void applyNoticeColors();
    int upgradeSwitch() const { return m_upgradeSwitch; }

    // Data maintenance: disables the window and closes the database around the work, then reopens
    // the shared tables and enables the window whatever the work did. Returns what the work returned.
    bool withDatabaseClosed(const std::function<bool()>& work);

    // The memo viewer commands and the about box.
    void editMemoFile();
    void showNoticeFile();
    void showAbout();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void buildBottomStrip();
    void restorePlacement();
    void savePlacement();
    void keepNormalGeometry();
    void connectMenus();
    void connectPictureButtons();
    void registerCommands();
    void runCreation(const QStringList& arguments);
    void runFirstShow();
    void runClosing();
    void startWebNotice();
    void runAfterCommand(const MenuCommand& command);
    void runFromAction(const QAction* action);
    void updateCommandStates();
    void showMenu(MainMenuSet& menu);
    void setPictureAreaShown(bool shown);
    void setCloseEnabled(bool enabled);
    QMdiSubWindow* addBusinessWindow(BusinessWindow* window);
    void closeAgreedWindow(BusinessWindow* window);
    bool businessWindowExists() const;
    void convertAccountsToSend();
    void convertReceivedAccounts();
    void openTransferStatus();
    void startTerminal();
    void runSendReceive(SendReceiveRun::Mode mode);

    ProgramSession& m_session;
    Workspace& m_context;
    QStringList m_arguments;
    QMdiArea* m_mdiArea = nullptr;
    PictureArea* m_pictureArea = nullptr;
    QLabel* m_noticeLabel = nullptr;
    QMenu* m_noticeMenu = nullptr;
    std::unique_ptr<MainMenuSet> m_mainMenu;
    std::unique_ptr<MainMenuSet> m_subMainMenu;
    MainMenuSet* m_currentMenu = nullptr;
    CommandTable m_commands;
    ScreenLayout m_layout;
    // Where the window is when neither maximised nor minimised: what is stored and restored.
    QRect m_normalGeometry;
    ScreenLayout::Placement m_openedPlacement;
    int m_upgradeSwitch = -1;
    bool m_shownOnce = false;
    bool m_closed = false;
    bool m_switchingPaused = false;
    bool m_destroying = false;
};
