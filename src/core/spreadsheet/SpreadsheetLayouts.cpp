#include "core/spreadsheet/SpreadsheetLayouts.h"

namespace SpreadsheetLayouts {

namespace {

constexpr int ColumnE = 4;
constexpr int ColumnG = 6;

} // namespace

bool isTableLayout(int code)
{
    return code == 1 || code == 3 || code == 4;
}

Layout tableLayout(int code)
{
    switch (code) {
    case 1:
        return { { QStringLiteral("상태"), QStringLiteral("이름"), QStringLiteral("기관코드"),
                     QStringLiteral("은행코드"), QStringLiteral("계좌번호"), QStringLiteral("납부자번호"),
                     QStringLiteral("주민번호"), QStringLiteral("송신일"), QStringLiteral("수신일"),
                     QStringLiteral("오류코드") },
            { ColumnE, ColumnG } };
    case 3:
        return { { QStringLiteral("출금동의"), QStringLiteral("동"), QStringLiteral("호"), QStringLiteral("입주자명"),
                     QStringLiteral("은행코드"), QStringLiteral("은행명"), QStringLiteral("계좌번호"),
                     QStringLiteral("(구)주민번호_납부자번호"), QStringLiteral("예금주명"), QStringLiteral("이체금액"),
                     QStringLiteral("상태") },
            { ColumnG } };
    case 4:
        return { { QStringLiteral("출금동의"), QStringLiteral("성명"), QStringLiteral("은행코드"),
                     QStringLiteral("은행명"), QStringLiteral("계좌번호"), QStringLiteral("납부자번호"),
                     QStringLiteral("주민번호/사업자번호"), QStringLiteral("이체금액"), QStringLiteral("상태") },
            { ColumnE, ColumnG } };
    default:
        return {};
    }
}

bool isQueryLayout(int code)
{
    return code == 1 || code == 2;
}

Layout queryLayout(int code, const QStringList& headers)
{
    if (code == 2)
        return { { QStringLiteral("업체기관코드"), QStringLiteral("은행코드"), QStringLiteral("계좌번호"),
                     QStringLiteral("납부자번호") },
            { ColumnE, ColumnG } };
    return { headers, { ColumnE, ColumnG } };
}

} // namespace SpreadsheetLayouts
