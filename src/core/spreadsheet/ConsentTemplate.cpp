#include "core/spreadsheet/ConsentTemplate.h"

#include "core/spreadsheet/SpreadsheetRowList.h"
#include "core/spreadsheet/SpreadsheetWriter.h"

#include <vector>
#include <xlsxwriter.h>

namespace {

// The spreadsheet's palette entries the template uses.
constexpr lxw_color_t Red = 0xFF0000; // index 3
constexpr lxw_color_t Blue = 0x0000FF; // index 5
constexpr lxw_color_t Grey = 0xC0C0C0; // index 15
constexpr lxw_color_t LightYellow = 0xFFFF99; // index 36
constexpr double TitleFontSize = 8;

struct ColouredRun {
    int start;
    int length;
    lxw_color_t colour;
};

// The two headings and the lead-in of the required fields, counted in characters with the line feeds.
const ColouredRun ColouredRuns[] = { { 0, 8, Blue }, { 81, 10, Blue }, { 91, 12, Red } };

lxw_format* runFormat(lxw_workbook* workbook, const lxw_color_t* colour)
{
    lxw_format* format = workbook_add_format(workbook);
    format_set_bold(format);
    format_set_font_size(format, TitleFontSize);
    if (colour)
        format_set_font_color(format, *colour);
    return format;
}

} // namespace

QString ConsentTemplate::instructionText()
{
    static const QStringList lines {
        QStringLiteral("<주의 사항>"),
        QStringLiteral("     이 엑셀파일 1행과 2행의 항목을 변경/삭제하지 마십시오. (3행은 예시이므로 삭제후, 실제 "
                       "자료를 입력하여 주십시오.)"),
        QStringLiteral("<자료 작성 방법>"),
        QStringLiteral("  ※ 필수입력란 : 1.이름, 2.기관코드(고객코드), 3.은행코드, 4.계좌번호, 5.납부자번호, "
                       "6.실명번호, 7.고객신청일자(공란시 현재일자로 인식)"),
        QStringLiteral("      (입력하지 않거나, 잘못 입력시, 출금 신청 오류 발생)"),
        QStringLiteral("      ☞ 중복오류 예시: 기관코드(고객코드),은행코드,계좌번호,납부자번호 이상 4가지가 동일한 "
                       "자료를 신청할 경우,"),
        QStringLiteral("                              중복오류가 발생합니다. (단, 4가지 중 하나라도 다르면 중복오류가 "
                       "발생하지 않습니다.)"),
        QStringLiteral("   1. 이름:"),
        QStringLiteral("       ▶ 출금 대상자(예금주)의 이름을 한글로 작성한다."),
        QStringLiteral("   2. 기관코드(고객코드):"),
        QStringLiteral("       ▶ 은행에서 부여한 코드입니다."),
        QStringLiteral("   3. 은행코드:"),
        QStringLiteral("       ▶ 은행별 식별 번호임, 아래 은행별 코드표를 참고하여 거래은행의 코드를 입력한다."),
        QStringLiteral("           [은행별 코드표]"),
        QStringLiteral(
            "            기업(03),국민(04),외환(05),수협(07),테온중앙회(11),단위테온(12),우리(20),조흥(21),"),
        QStringLiteral(
            "            제일(23),신한(26),씨티(27),대구(31),부산(32),제주(35),전북(37),경남(39),신협(48),우체국(71), "
            "하나(81)"),
        QStringLiteral("   4. 계좌번호:"),
        QStringLiteral("       ▶ 출금 대상자(예금주)의 계좌번호를 입력한다.('-'생략)"),
        QStringLiteral("   5. 납부자번호:"),
        QStringLiteral("       ▶ 고객이 직접 임의로 출금대상자(예금주)에게 부여하는 식별 번호이다.(숫자,영문자만 "
                       "입력)(은행별 최대 길이 제한)"),
        QStringLiteral("         (입력 예) 테온 대량출금:최대13자리, 테온 아파트(동+호수):최대8자리"),
        QStringLiteral("   6. 실명번호(생년월일,사업자등록번호):"),
        QStringLiteral("       ▶ 출금대상자(예금주)의 생년월일6자리(사업자등록번호10자리)를 입력한다. ('-'생략)"),
        QStringLiteral("   7. 고객신청일자:"),
        QStringLiteral("       ▶ 출금동의/해지 신청 일자 입력"),
        QStringLiteral("         (입력 예) 2008-11-21 (다른형식으로 입력 불가 - 071121(X), 20071121(X) )"),
        QStringLiteral("   그 이외:"),
        QStringLiteral("       ▶ 나머지 입력란은 비워두어도 무방함"),
    };
    return lines.join(QLatin1Char('\n'));
}

QStringList ConsentTemplate::headers()
{
    return { QStringLiteral("이름"), QStringLiteral("기관업체코드"), QStringLiteral("은행코드"),
        QStringLiteral("계좌번호"), QStringLiteral("납부자번호"), QStringLiteral("실명번호"),
        QStringLiteral("고객신청일자"), QStringLiteral("자동납부일자"), QStringLiteral("지점코드"),
        QStringLiteral("실명번호검사") };
}

QVariantList ConsentTemplate::exampleRow()
{
    return { QStringLiteral("홍길동"), QStringLiteral("000001"), QStringLiteral("11"), QStringLiteral("1234567890"),
        QStringLiteral("790312"), QStringLiteral("790312       "), QStringLiteral("2008-11-21"), QString(), QString(),
        QStringLiteral("Y") };
}

bool ConsentTemplate::write(SpreadsheetWriter& writer, const QString& path)
{
    SpreadsheetRowList rows({ exampleRow() });
    return writer.exportQuery(SpreadsheetWriter::ConsentTemplateLayout, headers(), rows, instructionText(), path);
}

lxw_format* ConsentTemplate::titleFormat(lxw_workbook* workbook)
{
    lxw_format* format = runFormat(workbook, nullptr);
    format_set_text_wrap(format);
    format_set_pattern(format, LXW_PATTERN_SOLID);
    format_set_bg_color(format, LightYellow);
    return format;
}

lxw_format* ConsentTemplate::headerFormat(lxw_workbook* workbook)
{
    lxw_format* format = workbook_add_format(workbook);
    format_set_pattern(format, LXW_PATTERN_SOLID);
    format_set_bg_color(format, Grey);
    return format;
}

int ConsentTemplate::writeTitleText(
    lxw_workbook* workbook, lxw_worksheet* sheet, const QString& text, lxw_format* cellFormat)
{
    lxw_format* plain = runFormat(workbook, nullptr);
    std::vector<QByteArray> pieces;
    std::vector<lxw_format*> formats;
    int at = 0;
    const auto addPiece = [&](int end, lxw_format* format) {
        end = qMin(end, int(text.size()));
        if (end > at) {
            pieces.push_back(text.mid(at, end - at).toUtf8());
            formats.push_back(format);
            at = end;
        }
    };
    for (const ColouredRun& run : ColouredRuns) {
        addPiece(run.start, plain);
        addPiece(run.start + run.length, runFormat(workbook, &run.colour));
    }
    addPiece(int(text.size()), plain);
    if (pieces.empty())
        return worksheet_write_blank(sheet, 0, 0, cellFormat);
    std::vector<lxw_rich_string_tuple> tuples(pieces.size());
    std::vector<lxw_rich_string_tuple*> fragments;
    for (size_t i = 0; i < pieces.size(); ++i) {
        tuples[i] = { formats[i], const_cast<char*>(pieces[i].constData()) };
        fragments.push_back(&tuples[i]);
    }
    fragments.push_back(nullptr);
    return worksheet_write_rich_string(sheet, 0, 0, fragments.data(), cellFormat);
}
