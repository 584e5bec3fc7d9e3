#include "ui/app/TfmMain.h"

#include "core/accounts/AccountCodeConversion.h"
#include "core/app/NoticeText.h"
#include "core/app/TerminalLauncher.h"
#include "core/app/WebAddresses.h"
#include "core/app/Workspace.h"
#include "core/common/AppInfo.h"
#include "core/common/Desktop.h"
#include "core/common/Messages.h"
#include "core/common/Progress.h"
#include "core/data/TDM1.h"
#include "core/spreadsheet/ConsentTemplate.h"
#include "core/spreadsheet/SpreadsheetSave.h"
#include "ui/app/GuardedApplication.h"
#include "ui/app/MainCommand.h"
#include "ui/app/PictureArea.h"
#include "ui/app/PictureButton.h"
#include "ui/app/TfmAbout.h"
#include "ui/app/TfmConfig.h"
#include "ui/app/TfmFileView.h"
#include "ui/app/TfmInfoDlg.h"
#include "ui/app/WebNoticePanel.h"
#include "ui/batches/TfmApt1.h"
#include "ui/batches/TfmTong1.h"
#include "ui/batches/TfmTong21.h"
#include "ui/calendar/TfmHoliday.h"
#include "ui/codes/TfmCode1.h"
#include "ui/codes/TfmCode2.h"
#include "ui/codes/TfmCode_Bank.h"
#include "ui/common/LazyGrid.h"
#include "ui/common/UserInputBlocker.h"
#include "ui/consent/TfmTongRegister.h"
#include "ui/edi/TfmEnvSetup.h"
#include "ui/exchange/TfmEdi.h"
#include "ui/maintenance/MaintenanceCommands.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

namespace {
const int StripHeight = 19;

// The command of each picture button, 1 to 9.
QString buttonCommand(int number)
{
    const QString commands[PictureArea::ButtonCount] = {
        MainCommand::DepositBatches,
        MainCommand::WithdrawalBatches,
        MainCommand::AptBatches,
        MainCommand::CmsCollections,
        MainCommand::ReceivableNotes,
        MainCommand::PassbookTransactions,
        MainCommand::Terminal,
        MainCommand::SendReceive,
        MainCommand::Exit,
    };
    return commands[number - 1];
}

// The handler lives on the application object; tests run the frame under a plain one.
void setApplicationErrorHandler(GuardedApplication::ErrorHandler handler)
{
    if (auto* application = qobject_cast<GuardedApplication*>(QCoreApplication::instance()))
        application->setErrorHandler(std::move(handler));
}

// Stored colours are Windows COLORREF values, 0x00BBGGRR; anything else falls back.
QColor colorFromStored(int stored, const QColor& fallback)
{
    if (stored < 0 || stored > 0xFFFFFF)
        return fallback;
    return QColor(stored & 0xFF, (stored >> 8) & 0xFF, (stored >> 16) & 0xFF);
}

QString fileVersion()
{
    const QString version = AppInfo::version();
    return version.startsWith(QLatin1Char('V')) ? version.mid(1) : version;
}

// Reopens the data after maintenance work, also when the work throws.
class ReopenAfterMaintenance {
public:
    explicit ReopenAfterMaintenance(std::function<void()> reopen)
        : m_reopen(std::move(reopen))
    {
    }
    ~ReopenAfterMaintenance() { m_reopen(); }
    ReopenAfterMaintenance(const ReopenAfterMaintenance&) = delete;
    ReopenAfterMaintenance& operator=(const ReopenAfterMaintenance&) = delete;

private:
    std::function<void()> m_reopen;
};
} // namespace

TfmMain::TfmMain(ProgramSession& session, const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent)
    , m_session(session)
    , m_context(session.workspace())
    , m_arguments(arguments)
    , m_mainMenu(MainMenuSet::createMainMenu(this))
    , m_subMainMenu(MainMenuSet::createSubMainMenu(this))
    , m_layout(m_context.paths().registryFile())
{
    buildWindow();
    runCreation(arguments);
    registerCommands();
    connectMenus();
    connectPictureButtons();
    switchMenus();
}

TfmMain::~TfmMain()
{
    m_destroying = true;
    setApplicationErrorHandler({});
    if (LazyGrid::layout() == &m_layout)
        LazyGrid::setLayout(nullptr);
}

void TfmMain::buildWindow()
{
    setObjectName(QStringLiteral("fmMain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowIcon(MainArtwork::applicationIcon());
    QFont font(QStringLiteral("NanumGothic"));
    font.setPixelSize(13);
    setFont(font);

    setMenuBar(new QMenuBar(this));
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setBackground(QColor(0xdf, 0xe8, 0xef));
    setCentralWidget(m_mdiArea);
    m_pictureArea = new PictureArea(m_context.desktop(), m_context.notices(), m_mdiArea);
    m_mdiArea->installEventFilter(this);
    buildBottomStrip();

    showMenu(*m_mainMenu);
    const QSize opening(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    setMinimumSize(opening);
    resize(opening);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    restorePlacement();
    LazyGrid::setLayout(&m_layout);
}

// The stored place, kept on the screen it was on (or the primary one) and never larger than that screen.
void TfmMain::restorePlacement()
{
    m_normalGeometry = QRect(pos(), size());
    const std::optional<ScreenLayout::Placement> stored = m_layout.placement(objectName());
    if (stored) {
        const QScreen* screen = QGuiApplication::screenAt(stored->normal.center());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        const QRect available = screen ? screen->availableGeometry() : stored->normal;
        const QSize size = stored->normal.size().boundedTo(available.size()).expandedTo(minimumSize());
        const int left = qMax(available.left(), qMin(stored->normal.left(), available.right() + 1 - size.width()));
        const int top = qMax(available.top(), qMin(stored->normal.top(), available.bottom() + 1 - size.height()));
        resize(size);
        move(left, top);
        m_normalGeometry = QRect(pos(), this->size());
        if (stored->maximised)
            setWindowState(windowState() | Qt::WindowMaximized);
    }
    m_openedPlacement = { m_normalGeometry, stored && stored->maximised };
}

// A run that neither moved nor resized the window writes nothing.
void TfmMain::savePlacement()
{
    const ScreenLayout::Placement placement { m_normalGeometry, windowState().testFlag(Qt::WindowMaximized) };
    if (placement.normal != m_openedPlacement.normal || placement.maximised != m_openedPlacement.maximised)
        m_layout.setPlacement(objectName(), placement);
}

void TfmMain::keepNormalGeometry()
{
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
        m_normalGeometry = QRect(pos(), size());
}

void TfmMain::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    keepNormalGeometry();
}

void TfmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    keepNormalGeometry();
}

void TfmMain::buildBottomStrip()
{
    auto* strip = new QStatusBar(this);
    strip->setSizeGripEnabled(false);
    strip->setFixedHeight(StripHeight);
    m_noticeLabel = new QLabel(FirmSettings::DefaultNotice, strip);
    m_noticeLabel->setObjectName(QStringLiteral("lbl_Notice"));
    m_noticeLabel->setAlignment(Qt::AlignCenter);
    // A long notice is cut at the window's edge rather than widening it; the tool tip holds it whole.
    m_noticeLabel->setMinimumWidth(1);
    m_noticeLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    strip->addPermanentWidget(m_noticeLabel, 1);
    setStatusBar(strip);

    m_noticeMenu = new QMenu(this);
    m_noticeMenu->setObjectName(QStringLiteral("NoticeMenu"));
    connect(
        m_noticeMenu->addAction(QStringLiteral("공지사항 보기")), &QAction::triggered, this, &TfmMain::showNoticeFile);
    m_noticeMenu->addAction(QStringLiteral("공지사항 삭제"))->setEnabled(false);
    m_noticeLabel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_noticeLabel, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& at) { m_noticeMenu->popup(m_noticeLabel->mapToGlobal(at)); });
}

void TfmMain::runCreation(const QStringList& arguments)
{
    if (!arguments.isEmpty())
        m_context.setOfflineMode(arguments.first().compare(QLatin1String("TEST"), Qt::CaseInsensitive) == 0);
    m_context.messages().setTitle(AppInfo::fullTitle());
    setWindowTitle(AppInfo::fullTitle() + QStringLiteral(" [버전: ") + fileVersion() + QLatin1Char(']'));
    m_context.log().append(AppInfo::fullTitle() + QStringLiteral(" 시작"));
    setApplicationErrorHandler([this](const QString& text) { m_context.reportError(text); });
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this] {
        if (!m_switchingPaused)
            switchMenus();
    });
    refreshNotice();
    m_upgradeSwitch = m_session.readUpgradeSwitch();
    if (m_upgradeSwitch == 0)
        m_mainMenu->addAutoUpgradeItem();
    if (!m_context.offlineMode() && m_upgradeSwitch == 0 && m_session.runUpgradeCheck())
        m_session.terminate();
    m_session.refreshWorkingPaths();
    m_context.paths().createDirectories();
    m_session.buildHolidayLists();
    applyNoticeColors();
}

void TfmMain::registerCommands()
{
    using Refresh = CommandTable::Refresh;
    const auto add = [this](const QString& command, std::function<void()> work, Refresh refresh = Refresh::Nothing) {
        m_commands.add(
            command, [work = std::move(work)](const MenuCommand&) { work(); }, refresh);
    };
    add(MainCommand::Exit, [this] { close(); });
    add(MainCommand::CloseWindow, [this] {
        closeActiveBusinessWindow();
        switchMenus();
    });
    add(MainCommand::TransferStatus, [this] { openTransferStatus(); });
    add(MainCommand::MemoFile, [this] { editMemoFile(); });
    add(MainCommand::NoticeFile, [this] { showNoticeFile(); });
    add(MainCommand::About, [this] { showAbout(); });
    add(MainCommand::AptConvertExport, [this] { convertAccountsToSend(); });
    add(MainCommand::AptConvertImport, [this] { convertReceivedAccounts(); });
    add(MainCommand::Terminal, [this] { startTerminal(); });
    add(MainCommand::CommSettings, [this] { TfmEnvSetup::runSettingsCommand(m_context); });
    add(MainCommand::PasswordSettings, [this] { TfmConfig::execute(m_context, TfmConfig::Page::Password, this); });
    add(
        MainCommand::ScreenSettings, [this] { TfmConfig::execute(m_context, TfmConfig::Page::Screen, this); },
        Refresh::NoticeColors);
    add(MainCommand::OtherSettings, [this] { TfmConfig::execute(m_context, TfmConfig::Page::Other, this); });
    add(MainCommand::EnvironmentInfo, [this] { TfmInfoDlg::execute(m_context, this); });
    add(MainCommand::Holidays, [this] { TfmHoliday::execute(m_context, this); });
    add(MainCommand::ConsentRequests, [this] {
        SpreadsheetSave::run(m_context, QString::fromUtf8(ConsentTemplate::SuggestedFileName), ConsentTemplate::write);
    });
    add(MainCommand::DepositBatches, [this] { openBusinessWindow<TfmTong1>(m_context); });
    add(MainCommand::WithdrawalBatches, [this] { openBusinessWindow<TfmTong21>(m_context); });
    add(MainCommand::AptBatches, [this] { openBusinessWindow<TfmApt1>(m_context); });
    add(MainCommand::Consents, [this] { TfmTongRegister::execute(m_context, this); });
    add(MainCommand::Backup, [this] { MaintenanceCommands(*this).backup(); });
    add(MainCommand::Restore, [this] { MaintenanceCommands(*this).restore(); });
    add(MainCommand::Reorganise, [this] { MaintenanceCommands(*this).reorganise(); });
    // The withdrawal request item of the reduced menu has never had anything behind it.
    add(MainCommand::WithdrawalRequest, [] {});

    // Screens still to come: what the frame refreshes after them is known already.
    m_commands.add(
        MainCommand::BankCodes,
        [this](const MenuCommand& command) {
            TfmCode_Bank::execute(m_context, command.formCaption, command.viewOnly, this);
        },
        Refresh::CodeLists);
    m_commands.add(MainCommand::CodeTable, [this](const MenuCommand& command) {
        TfmCode2::execute(m_context, command.tag, command.formCaption, command.viewOnly, this);
    });
    m_commands.add(
        MainCommand::Institutions,
        [this](
            const MenuCommand& command) { TfmCode1::execute(m_context, command.formCaption, command.viewOnly, this); },
        Refresh::CodeLists);
    for (const auto& [command, mode] : { std::pair { MainCommand::Send, SendReceiveRun::Mode::Send },
             { MainCommand::SendReceive, SendReceiveRun::Mode::SendReceive },
             { MainCommand::Receive, SendReceiveRun::Mode::Receive },
             { MainCommand::ReReceive, SendReceiveRun::Mode::ReReceive } }) {
        m_commands.add(
            command, [this, mode = mode](const MenuCommand&) { runSendReceive(mode); }, Refresh::Notice);
    }
    updateCommandStates();
}

// The sending modes open only when today's batches can still reach the bank.
void TfmMain::runSendReceive(SendReceiveRun::Mode mode)
{
    const bool sending = mode == SendReceiveRun::Mode::Send || mode == SendReceiveRun::Mode::SendReceive;
    if (sending && !SendReceiveRun::sameDayAllows(m_context))
        return;
    TfmEdi::execute(m_context, mode, this);
}

void TfmMain::connectMenus()
{
    for (MainMenuSet* set : { m_mainMenu.get(), m_subMainMenu.get() }) {
        for (QAction* action : set->items())
            connect(action, &QAction::triggered, this, [this, action] { runFromAction(action); });
    }
}

void TfmMain::connectPictureButtons()
{
    for (int number = 1; number <= PictureArea::ButtonCount; ++number) {
        const QString command = buttonCommand(number);
        PictureButton* button = m_pictureArea->button(number);
        connect(button, &QAbstractButton::clicked, this, [this, command, button] {
            const QAction* item = m_mainMenu->item(command);
            MenuCommand chosen = item ? MainMenuSet::commandOf(item) : MenuCommand { command, {}, {}, {}, 0, false };
            chosen.component = button->objectName();
            runCommand(chosen);
        });
    }
}

void TfmMain::bindCommand(const QString& command, CommandTable::Handler handler)
{
    m_commands.add(command, std::move(handler));
    updateCommandStates();
}

void TfmMain::updateCommandStates()
{
    const auto available = [this](const QString& command) { return hasCommand(command); };
    m_mainMenu->updateEnabled(available);
    m_subMainMenu->updateEnabled(available);
    for (int number = 1; number <= PictureArea::ButtonCount; ++number)
        m_pictureArea->button(number)->setEnabled(hasCommand(buttonCommand(number)));
}

void TfmMain::runFromAction(const QAction* action)
{
    runCommand(MainMenuSet::commandOf(action));
}

void TfmMain::runCommand(const MenuCommand& command)
{
    if (!hasCommand(command.command))
        return;
    if (command.component == MainCommand::AutoUpgrade && !closeActiveBusinessWindow())
        return;
    m_commands.run(command);
    runAfterCommand(command);
}

void TfmMain::runAfterCommand(const MenuCommand& command)
{
    switch (m_commands.refreshAfter(command.command)) {
    case CommandTable::Refresh::CodeLists:
        if (!command.viewOnly)
            loadCodeLists();
        break;
    case CommandTable::Refresh::NoticeColors:
        applyNoticeColors();
        break;
    case CommandTable::Refresh::Notice:
        refreshNotice();
        break;
    case CommandTable::Refresh::Nothing:
        break;
    }
}

void TfmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    runFirstShow();
}

void TfmMain::runFirstShow()
{
    m_session.openAndUpgradeDatabase();
    m_session.openSharedTables();
    loadCodeLists();
    m_session.markRegistry();
    startWebNotice();
    if (m_arguments.value(0).compare(QLatin1String("UPGRADE"), Qt::CaseInsensitive) == 0)
        m_session.backupAfterUpgrade(*this);
    m_session.checkEvidenceRequests(*this);
}

void TfmMain::closeEvent(QCloseEvent* event)
{
    if (businessWindowExists()) {
        m_context.messages().information(QStringLiteral("열려 있는 업무 화면을 먼저 닫으십시오."));
        event->ignore();
        return;
    }
    runClosing();
    event->accept();
}

void TfmMain::runClosing()
{
    if (m_closed)
        return;
    m_closed = true;
    savePlacement();
    m_context.log().append(AppInfo::fullTitle() + QStringLiteral(" 종료"));
    m_session.freeHolidayLists();
    m_session.closeDatabase();
}

bool TfmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_mdiArea && event->type() == QEvent::Resize)
        m_pictureArea->setGeometry(m_mdiArea->rect());
    return QMainWindow::eventFilter(watched, event);
}

BusinessWindow* TfmMain::openBusinessWindow(const WindowTest& isOfClass, const WindowFactory& create)
{
    BusinessWindow* current = activeBusinessWindow();
    if (current && isOfClass(current))
        return current;
    m_switchingPaused = true;
    BusinessWindow* opened = nullptr;
    if (!current) {
        opened = create();
        addBusinessWindow(opened);
    } else if (current->closeQuery()) {
        setPictureAreaShown(true);
        opened = create();
        addBusinessWindow(opened);
        closeAgreedWindow(current);
        setPictureAreaShown(false);
    }
    m_switchingPaused = false;
    switchMenus();
    return opened;
}

QMdiSubWindow* TfmMain::addBusinessWindow(BusinessWindow* window)
{
    QMdiSubWindow* frame = m_mdiArea->addSubWindow(window, Qt::SubWindow | Qt::FramelessWindowHint);
    connect(frame, &QObject::destroyed, this, [this] { QTimer::singleShot(0, this, &TfmMain::switchMenus); });
    frame->showMaximized();
    return frame;
}

void TfmMain::closeAgreedWindow(BusinessWindow* window)
{
    window->closeAgreed();
    window->closeWindow();
}

BusinessWindow* TfmMain::activeBusinessWindow() const
{
    for (QMdiSubWindow* frame : m_mdiArea->subWindowList()) {
        if (frame->isHidden())
            continue;
        if (auto* window = qobject_cast<BusinessWindow*>(frame->widget()))
            return window;
    }
    return nullptr;
}

bool TfmMain::businessWindowExists() const
{
    return activeBusinessWindow() != nullptr;
}

bool TfmMain::closeActiveBusinessWindow()
{
    BusinessWindow* current = activeBusinessWindow();
    if (!current)
        return true;
    if (!current->closeQuery())
        return false;
    closeAgreedWindow(current);
    QCoreApplication::processEvents();
    return true;
}

void TfmMain::switchMenus()
{
    if (m_destroying)
        return;
    const bool busy = businessWindowExists();
    showMenu(busy ? *m_subMainMenu : *m_mainMenu);
    setPictureAreaShown(!busy);
    setCloseEnabled(!busy);
}

void TfmMain::showMenu(MainMenuSet& menu)
{
    if (m_currentMenu == &menu)
        return;
    menuBar()->clear();
    for (QMenu* top : menu.menus())
        menuBar()->addMenu(top);
    m_currentMenu = &menu;
}

void TfmMain::setPictureAreaShown(bool shown)
{
    if (m_pictureArea->isHidden() == !shown)
        return;
    m_pictureArea->setVisible(shown);
    if (shown)
        m_pictureArea->raise();
}

bool TfmMain::isCloseEnabled() const
{
    return windowFlags().testFlag(Qt::WindowCloseButtonHint);
}

// Changes the window's Close in place: setWindowFlags() would recreate and hide the window.
void TfmMain::setCloseEnabled(bool enabled)
{
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowCloseButtonHint, enabled);
    if (flags == windowFlags())
        return;
    overrideWindowFlags(flags);
    if (QWindow* window = windowHandle())
        window->setFlags(flags);
}

bool TfmMain::loadCodeLists()
{
    if (!m_context.database().isOpen())
        return false;
    if (m_context.data().loadCodeLists())
        return true;
    m_context.reportError(m_context.data().lastError());
    return false;
}

void TfmMain::refreshNotice()
{
    const QString text = NoticeText::compute(m_context.paths(), m_context.settings());
    m_noticeLabel->setText(text);
    m_noticeLabel->setToolTip(text);
}

QString TfmMain::noticeText() const
{
    return m_noticeLabel->text();
}

void TfmMain::applyNoticeColors()
{
    const FirmSettings settings = m_context.settings();
    const QString text = colorFromStored(settings.noticeTextColor(), Qt::yellow).name();
    const QString back = colorFromStored(settings.noticeBackColor(), Qt::black).name();
    statusBar()->setStyleSheet(
        QStringLiteral("QStatusBar { background: %1; } QStatusBar::item { border: none; }").arg(back));
    m_noticeLabel->setStyleSheet(QStringLiteral("color: %1; background: %2;").arg(text, back));
}

bool TfmMain::withDatabaseClosed(const std::function<bool()>& work)
{
    setEnabled(false);
    ReopenAfterMaintenance reopen([this] {
        m_context.progress().showMessage(QStringLiteral("자료를 열고 있습니다."));
        m_session.openSharedTables();
        m_context.progress().close();
        setEnabled(true);
    });
    m_session.closeDatabase();
    return work();
}

void TfmMain::startWebNotice()
{
    const WebAddresses addresses(m_context.paths());
    m_pictureArea->noticePanel()->load(addresses.noticePage(QCoreApplication::applicationFilePath()));
}

void TfmMain::startTerminal()
{
    const QScreen* screen = this->screen();
    UserInputBlocker blocker;
    TerminalLauncher(m_context, &blocker).start(screen ? screen->size() : QSize());
}

void TfmMain::openTransferStatus()
{
    m_context.desktop().openUrl(WebAddresses(m_context.paths()).transferStatusPage());
}

void TfmMain::editMemoFile()
{
    TfmFileView viewer(m_context, this);
    viewer.exec();
}

void TfmMain::showNoticeFile()
{
    const QString noticeFile = NoticeText::noticeFile(m_context.paths());
    if (!QFile::exists(noticeFile)) {
        m_context.messages().information(QStringLiteral("공지사항 파일이 없습니다."));
        return;
    }
    TfmFileView viewer(m_context, this);
    viewer.openNotice(noticeFile);
    viewer.exec();
}

void TfmMain::showAbout()
{
    TfmAbout about(m_context.messages().title(), this);
    about.exec();
}

void TfmMain::convertAccountsToSend()
{
    AccountCodeConversion(m_context).exportAccounts();
}

void TfmMain::convertReceivedAccounts()
{
    AccountCodeConversion(m_context).importAccounts();
}
