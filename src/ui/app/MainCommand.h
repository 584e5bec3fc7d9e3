#pragma once

#include <QString>

// The main window's commands, named by the component names of their menu items and picture buttons.
namespace MainCommand {
// 업무
inline const QString DepositBatches = QStringLiteral("N61");
inline const QString WithdrawalBatches = QStringLiteral("N71");
inline const QString AptBatches = QStringLiteral("N24");
inline const QString DepositGroups = QStringLiteral("N57");
inline const QString WithdrawalGroups = QStringLiteral("N70");
inline const QString AptGroups = QStringLiteral("N67");
inline const QString Exit = QStringLiteral("N18");
inline const QString CloseWindow = QStringLiteral("mnuClose");
// 자료전송
inline const QString Send = QStringLiteral("N10");
inline const QString Receive = QStringLiteral("N11");
inline const QString SendReceive = QStringLiteral("N12");
inline const QString ReReceive = QStringLiteral("N14");
inline const QString SendResults = QStringLiteral("N22");
inline const QString TransferStatus = QStringLiteral("mm_ichestate");
// 코드설정, 코드보기
inline const QString Consents = QStringLiteral("mnuTongRegister");
inline const QString Evidence = QStringLiteral("N77");
inline const QString BankCodes = QStringLiteral("N_BankCode");
// Every code table item runs this one command; the item's tag picks the table.
inline const QString CodeTable = QStringLiteral("CodeTable");
inline const QString WithdrawalRequest = QStringLiteral("mnuWithdrawalRequest");
// 자료관리
inline const QString Backup = QStringLiteral("N33");
inline const QString Restore = QStringLiteral("N34");
inline const QString Reorganise = QStringLiteral("N35");
inline const QString UploadDatabase = QStringLiteral("DB1");
inline const QString UploadFile = QStringLiteral("N51");
// 환경설정
inline const QString CommSettings = QStringLiteral("N23");
inline const QString Institutions = QStringLiteral("N49");
inline const QString EvidenceKey = QStringLiteral("N76");
inline const QString PasswordSettings = QStringLiteral("N26");
inline const QString ScreenSettings = QStringLiteral("N72");
inline const QString OtherSettings = QStringLiteral("N27");
inline const QString Holidays = QStringLiteral("mnuHolidays");
inline const QString AutoUpgrade = QStringLiteral("mnuAutoUpgrade");
// 기타
inline const QString SalaryConversion = QStringLiteral("N73");
inline const QString MemoFile = QStringLiteral("N47");
inline const QString NoticeFile = QStringLiteral("N58");
inline const QString ConsentRequests = QStringLiteral("N6");
inline const QString EnvironmentInfo = QStringLiteral("N30");
inline const QString About = QStringLiteral("N54");
inline const QString AptConvertExport = QStringLiteral("mnuAptConvertExport");
inline const QString AptConvertImport = QStringLiteral("mnuAptConvertImport");
// Picture buttons without a menu item of their own.
inline const QString CmsCollections = QStringLiteral("DSBButton4");
inline const QString ReceivableNotes = QStringLiteral("DSBButton5");
inline const QString PassbookTransactions = QStringLiteral("DSBButton6");
inline const QString Terminal = QStringLiteral("DSBButton7");
} // namespace MainCommand
