#include "ui/app/MainMenuSet.h"

#include "ui/app/MainCommand.h"

#include <QAction>
#include <QMenu>

namespace {
const char* const CommandProperty = "command";
const char* const TagProperty = "tag";
const char* const FormCaptionProperty = "formCaption";
const char* const ViewOnlyProperty = "viewOnly";
const char* const AlwaysDisabledProperty = "alwaysDisabled";

struct CodeTable {
    const char* caption;
    int tag;
};
const CodeTable CodeTables[] = {
    { "대량입금 자금구분 코드", 19 },
    { "대량출금(아파트뱅킹) 자금구분 코드", 20 },
    { "대량입.출금 화일구분 코드", 15 },
    { "처리결과 이체여부 코드", 21 },
    { "대량입.출금 처리결과 코드", 16 },
    { "자금수납 거래구분 코드", 5 },
    { "자금수납 취소구분 코드", 6 },
    { "받을어음 거래구분 코드", 7 },
    { "받을어음 취소구분 코드", 8 },
    { "타점권내역 코드", 9 },
    { "통장거래구분 코드", 10 },
    { "통장마감 거래구분 코드", 11 },
};

QString codeFormCaption(const QString& caption, bool viewOnly)
{
    return caption + (viewOnly ? QStringLiteral(" 보기") : QStringLiteral(" 설정"));
}
} // namespace

struct MainMenuSet::Item {
    QString component;
    QString caption;
    int tag = 0;
    bool alwaysDisabled = false;
    bool viewOnly = false;
    QString formCaption = {}; // the caption itself when empty
    QString command = {}; // the component when empty
};

std::unique_ptr<MainMenuSet> MainMenuSet::createMainMenu(QWidget* owner)
{
    std::unique_ptr<MainMenuSet> bar(new MainMenuSet(QStringLiteral("MainMenu"), owner));
    QMenu* work = bar->addMenu(QStringLiteral("업무"));
    work->menuAction()->setToolTip(QStringLiteral("대량입출금,아파트뱅킹,CMS자금수납,받을어음,통장거래내역"));
    work->menuAction()->setStatusTip(work->menuAction()->toolTip());
    bar->addItem(work, { MainCommand::DepositBatches, "대량 입금" });
    bar->addItem(work, { MainCommand::WithdrawalBatches, "대량 출금" });
    bar->addItem(work, { MainCommand::AptBatches, "아파트 뱅킹" });
    work->addSeparator();
    bar->addItem(work, { MainCommand::DepositGroups, "대량 입금 그룹 관리" });
    bar->addItem(work, { MainCommand::WithdrawalGroups, "대량 출금 그룹 관리" });
    bar->addItem(work, { MainCommand::AptGroups, "아파트 뱅킹 그룹 관리" });
    work->addSeparator();
    bar->addItem(work, { MainCommand::Exit, "종료" });

    QMenu* transfer = bar->addMenu(QStringLiteral("자료전송"));
    bar->addItem(transfer, { MainCommand::Send, "송신" });
    bar->addItem(transfer, { MainCommand::Receive, "수신" });
    bar->addItem(transfer, { MainCommand::SendReceive, "송수신" });
    bar->addItem(transfer, { MainCommand::ReReceive, "문서 선택수신 (재수신)" });
    transfer->addSeparator();
    bar->addItem(transfer, { MainCommand::SendResults, "송신 결과 조회" });
    bar->addItem(transfer, { MainCommand::TransferStatus, "이체상황조회" });

    QMenu* codes = bar->addMenu(QStringLiteral("코드설정"));
    bar->addItem(codes, { MainCommand::Consents, "출금동의 등록/해지" });
    bar->addItem(codes, { MainCommand::Evidence, "사후증빙자료관리" });
    codes->addSeparator();
    bar->addItem(codes, { MainCommand::BankCodes, "은행 코드", 0, false, false, codeFormCaption("은행 코드", false) });
    bar->addCodeTableItems(codes, false);

    QMenu* data = bar->addMenu(QStringLiteral("자료관리"));
    bar->addItem(data, { MainCommand::Backup, "자료받기 (PC로 저장.백업)" });
    bar->addItem(data, { MainCommand::Restore, "자료복구 (불러오기)" });
    bar->addItem(data, { MainCommand::Reorganise, "자료 재정리" });
    data->addSeparator();
    QMenu* upload = data->addMenu(QStringLiteral("케이론로 자료송신"));
    bar->addItem(upload, { MainCommand::UploadDatabase, "DB 자료 보내기" });
    bar->addItem(upload, { MainCommand::UploadFile, "파일 보내기" });

    QMenu* settings = bar->addMenu(QStringLiteral("환경설정"));
    bar->addItem(settings, { MainCommand::CommSettings, "통신 환경 설정" });
    bar->addItem(settings, { MainCommand::Institutions, "이용자설정 (이용기관)" });
    bar->addItem(settings, { MainCommand::EvidenceKey, "증빙자료 암호화키 등록" });
    settings->addSeparator();
    bar->addItem(settings, { MainCommand::PasswordSettings, "S/W 비밀번호 설정", 1 });
    bar->addItem(settings, { MainCommand::ScreenSettings, "화면 설정", 2 });
    bar->addItem(settings, { MainCommand::OtherSettings, "기타 설정", 3 });
    bar->addItem(settings, { MainCommand::Holidays, "휴일 관리" });

    QMenu* other = bar->addMenu(QStringLiteral("기타"));
    bar->addItem(other, { MainCommand::SalaryConversion, "공무원 급여 자료 변환" });
    bar->addItem(other, { MainCommand::MemoFile, "메모 화일 편집" });
    bar->addItem(other, { MainCommand::NoticeFile, "공지 사항 보기" });
    bar->addItem(other, { MainCommand::ConsentRequests, "출금동의신청(예:엑셀파일)" });
    other->addSeparator();
    bar->addItem(other, { MainCommand::EnvironmentInfo, "사용 환경 정보" });
    bar->addItem(other, { MainCommand::About, "테온 미르솔 펌뱅킹은..." });
    return bar;
}

std::unique_ptr<MainMenuSet> MainMenuSet::createSubMainMenu(QWidget* owner)
{
    std::unique_ptr<MainMenuSet> bar(new MainMenuSet(QStringLiteral("SubMainMenu"), owner));
    QMenu* work = bar->addMenu(QStringLiteral("업무"));
    work->menuAction()->setToolTip(QStringLiteral("대량입출금,아파트뱅킹,CMS자금수납,받을어음,통장거래내역"));
    work->menuAction()->setStatusTip(work->menuAction()->toolTip());
    bar->addItem(work, { MainCommand::DepositBatches, "대량 입금", 0, true });
    bar->addItem(work, { MainCommand::WithdrawalBatches, "대량 출금", 0, true });
    bar->addItem(work, { MainCommand::AptBatches, "아파트 뱅킹", 0, true });
    work->addSeparator();
    bar->addItem(work, { MainCommand::DepositGroups, "대량 입금 그룹 관리", 0, true });
    bar->addItem(work, { MainCommand::WithdrawalGroups, "대량 출금 그룹 관리", 0, true });
    bar->addItem(work, { MainCommand::AptGroups, "아파트 뱅킹 그룹 관리", 0, true });
    work->addSeparator();
    bar->addItem(work, { MainCommand::CloseWindow, "닫기" })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));

    QMenu* transfer = bar->addMenu(QStringLiteral("자료전송"));
    bar->addItem(transfer, { MainCommand::Send, "송신", 0, true });
    bar->addItem(transfer, { MainCommand::Receive, "수신", 0, true });
    bar->addItem(transfer, { MainCommand::SendReceive, "송수신", 0, true });
    bar->addItem(transfer, { MainCommand::ReReceive, "문서 선택 수신 (재수신)", 0, true });
    transfer->addSeparator();
    bar->addItem(transfer, { MainCommand::SendResults, "송신 결과 조회" });
    bar->addItem(transfer, { MainCommand::TransferStatus, "이체상황조회" });

    QMenu* codes = bar->addMenu(QStringLiteral("코드보기"));
    bar->addItem(codes, { MainCommand::Consents, "출금동의 등록/해지", 0, true });
    bar->addItem(codes, { MainCommand::Evidence, "사후증빙자료관리" });
    codes->addSeparator();
    bar->addItem(codes, { MainCommand::BankCodes, "은행 코드", 0, false, true, codeFormCaption("은행 코드", true) });
    bar->addCodeTableItems(codes, true);
    codes->addSeparator();
    bar->addItem(codes, { MainCommand::WithdrawalRequest, "출금이체 신청" });

    QMenu* data = bar->addMenu(QStringLiteral("자료관리"));
    bar->addItem(data, { MainCommand::Backup, "자료받기 (PC로 저장.백업)", 0, true });
    bar->addItem(data, { MainCommand::Restore, "자료복구 (불러오기)", 0, true });
    bar->addItem(data, { MainCommand::Reorganise, "자료 재정리", 0, true });
    data->addSeparator();
    QMenu* upload = data->addMenu(QStringLiteral("케이론로 자료송신"));
    upload->menuAction()->setEnabled(false);
    bar->addItem(upload, { MainCommand::UploadDatabase, "DB 자료 보내기", 0, true });
    bar->addItem(upload, { MainCommand::UploadFile, "파일 보내기", 0, true });

    QMenu* settings = bar->addMenu(QStringLiteral("환경설정"));
    bar->addItem(settings, { MainCommand::CommSettings, "통신 환경 설정" });
    bar->addItem(settings, { MainCommand::Institutions, "이용자설정 (이용기관) 보기", 0, false, true });
    settings->addSeparator();
    bar->addItem(settings, { MainCommand::PasswordSettings, "S/W 비밀번호 설정", 1 });
    bar->addItem(settings, { MainCommand::ScreenSettings, "화면 설정", 2 });
    bar->addItem(settings, { MainCommand::OtherSettings, "기타 설정", 3 });
    bar->addItem(settings, { MainCommand::Holidays, "휴일 관리" });

    QMenu* other = bar->addMenu(QStringLiteral("기타"));
    bar->addItem(other, { MainCommand::SalaryConversion, "공무원 급여 자료 변환" });
    bar->addItem(other, { MainCommand::MemoFile, "메모 화일 편집" });
    bar->addItem(other, { MainCommand::NoticeFile, "공지 사항 보기" });
    other->addSeparator();
    bar->addItem(other, { MainCommand::AptConvertExport, "셈바->테온전산실로" });
    bar->addItem(other, { MainCommand::AptConvertImport, "셈바->테온계좌로 변환" });
    other->addSeparator();
    bar->addItem(other, { MainCommand::About, "테온 미르솔 펌뱅킹은..." });
    return bar;
}

QMenu* MainMenuSet::addMenu(const QString& title)
{
    auto* menu = new QMenu(title, m_owner);
    m_menus << menu;
    return menu;
}

QAction* MainMenuSet::addItem(QMenu* menu, const Item& item)
{
    QAction* action = menu->addAction(item.caption);
    action->setObjectName(item.component);
    action->setProperty(CommandProperty, item.command.isEmpty() ? item.component : item.command);
    action->setProperty(TagProperty, item.tag);
    action->setProperty(FormCaptionProperty, item.formCaption.isEmpty() ? item.caption : item.formCaption);
    action->setProperty(ViewOnlyProperty, item.viewOnly);
    action->setProperty(AlwaysDisabledProperty, item.alwaysDisabled);
    m_items << action;
    return action;
}

void MainMenuSet::addCodeTableItems(QMenu* menu, bool viewOnly)
{
    for (const CodeTable& table : CodeTables) {
        const QString caption = QString::fromUtf8(table.caption);
        addItem(menu,
            { QStringLiteral("mnuCode%1").arg(table.tag), caption, table.tag, false, viewOnly,
                codeFormCaption(caption, viewOnly), MainCommand::CodeTable });
    }
}

QAction* MainMenuSet::addAutoUpgradeItem()
{
    QMenu* settings = m_menus.value(4);
    return addItem(settings, { MainCommand::AutoUpgrade, "자동업그레이드설정", 100 });
}

QAction* MainMenuSet::item(const QString& component) const
{
    for (QAction* action : m_items) {
        if (action->objectName() == component)
            return action;
    }
    return nullptr;
}

QList<QAction*> MainMenuSet::items() const
{
    return m_items;
}

void MainMenuSet::updateEnabled(const std::function<bool(const QString&)>& available)
{
    for (QAction* action : m_items) {
        const bool alwaysDisabled = action->property(AlwaysDisabledProperty).toBool();
        action->setEnabled(!alwaysDisabled && available(action->property(CommandProperty).toString()));
    }
}

MenuCommand MainMenuSet::commandOf(const QAction* action)
{
    MenuCommand command;
    command.command = action->property(CommandProperty).toString();
    command.component = action->objectName();
    command.caption = action->text();
    command.formCaption = action->property(FormCaptionProperty).toString();
    command.tag = action->property(TagProperty).toInt();
    command.viewOnly = action->property(ViewOnlyProperty).toBool();
    return command;
}
