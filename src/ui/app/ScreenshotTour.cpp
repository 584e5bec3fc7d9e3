#include "ui/app/ScreenshotTour.h"

#include "core/app/NoticeText.h"
#include "core/app/Workspace.h"
#include "core/common/Messages.h"
#include "core/print/TransferBatchPrint.h"
#include "ui/app/TfmAbout.h"
#include "ui/app/TfmConfig.h"
#include "ui/app/TfmFileView.h"
#include "ui/app/TfmInfoDlg.h"
#include "ui/app/TfmMain.h"
#include "ui/batches/TfmApt1.h"
#include "ui/batches/TfmTong1.h"
#include "ui/batches/TfmTong2.h"
#include "ui/batches/TfmTong21.h"
#include "ui/batches/TfmTongMic2.h"
#include "ui/calendar/TfmHoliday.h"
#include "ui/codes/TfmCode1.h"
#include "ui/codes/TfmCode2.h"
#include "ui/codes/TfmCode_Bank.h"
#include "ui/consent/TfmFindRegister.h"
#include "ui/consent/TfmTongRegister.h"
#include "ui/exchange/TfmEdi.h"
#include "ui/exchange/TfmRegisterPreview.h"
#include "ui/print/ReportPreview.h"
#include "ui/print/SystemPrinterList.h"
#include "ui/print/TfmPrintOption.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QSize>

namespace {
const QSize ResizedMainWindow(1024, 720);
} // namespace

ScreenshotTour::ScreenshotTour(ProgramSession& session, const QString& directory)
    : m_session(session)
    , m_context(session.workspace())
    , m_directory(WorkingPaths::withTrailingSeparator(directory))
{
}

bool ScreenshotTour::run()
{
    m_written.clear();
    if (!QDir().mkpath(m_directory))
        return false;
    TfmMain frame(m_session, {});
    return shootMainWindow(frame) && shootFileView() && shootAbout() && shootConfig() && shootInfoDlg()
        && shootHoliday() && shootCode1() && shootCode2() && shootTong1() && shootPrint() && shootTongRegister()
        && shootEdi();
}

bool ScreenshotTour::shoot(QWidget& widget, const QString& name)
{
    widget.show();
    QApplication::processEvents();
    const QString file = m_directory + name + QStringLiteral(".png");
    if (!widget.grab().save(file))
        return false;
    m_written << file;
    return true;
}

bool ScreenshotTour::shootMainWindow(TfmMain& frame)
{
    if (!shoot(frame, QStringLiteral("TfmMain")))
        return false;
    frame.openBusinessWindow<TfmTong1>(m_context);
    if (!shoot(frame, QStringLiteral("TfmMain-busy")))
        return false;
    // Made larger, the business window takes the room: a batch list shows more rows.
    frame.resize(ResizedMainWindow);
    return shoot(frame, QStringLiteral("TfmMain-resized"));
}

bool ScreenshotTour::shootFileView()
{
    TfmFileView viewer(m_context);
    const QString notice = NoticeText::noticeFile(m_context.paths());
    if (QFile::exists(notice))
        viewer.openNotice(notice);
    return shoot(viewer, QStringLiteral("TfmFileView"));
}

bool ScreenshotTour::shootAbout()
{
    TfmAbout about(m_context.messages().title());
    return shoot(about, QStringLiteral("TfmAbout"));
}

bool ScreenshotTour::shootConfig()
{
    TfmConfig config(m_context);
    return shoot(config, QStringLiteral("TfmConfig"));
}

bool ScreenshotTour::shootCode1()
{
    TfmCode1 institutions(m_context, QStringLiteral("이용자설정"), false);
    return shoot(institutions, QStringLiteral("TfmCode1"));
}

bool ScreenshotTour::shootCode2()
{
    TfmCode2 funds(m_context, 19, QStringLiteral("대량입금 자금구분 코드 설정"), false);
    funds.build();
    TfmCode_Bank banks(m_context, QStringLiteral("은행 코드 설정"), false);
    banks.build();
    return shoot(funds, QStringLiteral("TfmCode2")) && shoot(banks, QStringLiteral("TfmCode_Bank"));
}

bool ScreenshotTour::shootTong1()
{
    TfmTong1 batches(m_context);
    batches.resize(TfmMain::ClientWidth, 520);
    if (!shoot(batches, QStringLiteral("TfmTong1")))
        return false;
    TfmTong2 items(m_context, TransferKind::deposit(), batches.currentBatch());
    if (!shoot(items, QStringLiteral("TfmTong2")))
        return false;
    TfmTongMic2 failed(TransferItems(m_context, TransferKind::deposit(), batches.currentBatch()).failedItems());
    if (!shoot(failed, QStringLiteral("TfmTongMic2")))
        return false;
    TfmTong21 withdrawals(m_context);
    withdrawals.resize(TfmMain::ClientWidth, 520);
    TfmTong2 withdrawalItems(m_context, TransferKind::withdrawal(), withdrawals.currentBatch());
    TfmApt1 apartments(m_context);
    apartments.resize(TfmMain::ClientWidth, 520);
    TfmTong2 apartmentItems(m_context, TransferKind::apartment(), apartments.currentBatch());
    return shoot(withdrawals, QStringLiteral("TfmTong21")) && shoot(withdrawalItems, QStringLiteral("TfmTong22"))
        && shoot(apartments, QStringLiteral("TfmApt1")) && shoot(apartmentItems, QStringLiteral("TfmApt2"));
}

bool ScreenshotTour::shootHoliday()
{
    TfmHoliday holidays(m_context);
    return shoot(holidays, QStringLiteral("TfmHoliday"));
}

bool ScreenshotTour::shootInfoDlg()
{
    TfmInfoDlg info(m_context);
    return shoot(info, QStringLiteral("TfmInfoDlg"));
}

bool ScreenshotTour::shootPrint()
{
    const SystemPrinterList printers;
    TfmPrintOption full(m_context.printOptions(), PrintOptions::Variant::Full, printers, m_context.fileDialogs());
    TfmPrintOption reduced(
        m_context.printOptions(), PrintOptions::Variant::WithoutDataAndList, printers, m_context.fileDialogs());
    if (!shoot(full, QStringLiteral("TfmPrintOption")) || !shoot(reduced, QStringLiteral("TfmPrintOption-reduced")))
        return false;
    TfmTong1 batches(m_context);
    const TransferBatchPrint job(m_context, TransferKind::deposit(), batches.currentBatch());
    ReportPreview preview(
        job.report(PrintOptions::Style::Full, job.rows(PrintOptions::Data::All)), m_context.messages());
    preview.resize(900, 1000);
    return shoot(preview, QStringLiteral("ReportPreview"));
}

// The send window writes the demo's send files and lists them, waiting for 송 신.
bool ScreenshotTour::shootEdi()
{
    // The consent list is shot on its own below, not as the modal window the run opens.
    TfmEdi sending(m_context, SendReceiveRun::Mode::Send, nullptr, [](const auto&) { return true; });
    if (!shoot(sending, QStringLiteral("TfmEdi")))
        return false;
    ItemConsents::Missing item;
    item.institution = QStringLiteral("9900000002");
    item.bankCode = QStringLiteral("13");
    item.account = QStringLiteral("3010123456781");
    item.payerNumber = QStringLiteral("1002");
    TfmRegisterPreview preview({ item }, &m_context);
    return shoot(preview, QStringLiteral("TfmRegisterPreview"));
}

bool ScreenshotTour::shootTongRegister()
{
    TfmTongRegister consents(m_context);
    if (!shoot(consents, QStringLiteral("TfmTongRegister")))
        return false;
    const ConsentRegister rules(m_context);
    TfmFindRegister search(rules, consents);
    return shoot(search, QStringLiteral("TfmFindRegister"));
}
