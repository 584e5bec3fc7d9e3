#include "core/print/TransferReportForms.h"

#include "core/common/AppInfo.h"
#include "core/print/TotalsTable.h"

namespace {

using Font = ReportText::Font;
constexpr double L = ReportDefinition::LineHeight;
constexpr double Width = ReportDefinition::Right - ReportDefinition::Left;

struct Column {
    int value;
    double left;
    double width;
    Qt::Alignment align = Qt::AlignLeft;
};

void addCell(ReportDefinition& definition, int line, const Column& column)
{
    definition.detail << ReportCell { column.value, QRectF(column.left, line * L, column.width, L), column.align };
}

// A rule above and below the captions, and a little room before the first row.
ReportBand headerRules(ReportBand band, int lines)
{
    band.rule(0).rule(lines);
    band.height = lines * L + 1;
    return band;
}

const QStringList TotalNames { QStringLiteral("전     체"), QStringLiteral("중 앙 회"), QStringLiteral("회원조합"),
    QStringLiteral("타    행"), QStringLiteral("이체불능") };

} // namespace

TransferReportForms::TransferReportForms(const TransferKind& kind)
    : m_kind(kind)
{
}

QString TransferReportForms::formPrefix() const
{
    if (m_kind.isWithdrawal())
        return QStringLiteral("TfmTong21");
    return m_kind.isApartment() ? QStringLiteral("TfmApt1") : QStringLiteral("TfmTong1");
}

QString TransferReportForms::dataName() const
{
    return formPrefix() + QStringLiteral("Data");
}

QString TransferReportForms::listName() const
{
    return formPrefix() + QStringLiteral("List");
}

QString TransferReportForms::titleName() const
{
    return formPrefix() + QStringLiteral("Title");
}

QString TransferReportForms::dataTitle() const
{
    if (m_kind.isWithdrawal())
        return QStringLiteral("미르솔 펌뱅킹 - 대량출금 이체자료");
    return m_kind.isApartment() ? QStringLiteral("미르솔 펌뱅킹 - 아파트뱅킹 이체자료")
                                : QStringLiteral("미르솔 펌뱅킹 - 대량입금 이체자료");
}

QString TransferReportForms::batchListTitle() const
{
    if (m_kind.isWithdrawal())
        return QStringLiteral("미르솔 펌뱅킹 - 대량출금 목록");
    return m_kind.isApartment() ? QStringLiteral("미르솔 펌뱅킹 - 아파트뱅킹 목록")
                                : QStringLiteral("미르솔 펌뱅킹 - 대량입금 목록");
}

QString TransferReportForms::pageHeading() const
{
    if (m_kind.isWithdrawal())
        return QStringLiteral("대 량 출 금  이 체 자 료");
    return m_kind.isApartment() ? QStringLiteral("아파트뱅킹 이체 자료") : QStringLiteral("대 량 입 금  이 체 자 료");
}

QString TransferReportForms::listHeading() const
{
    if (m_kind.isWithdrawal())
        return QStringLiteral("대량 출금 이체 자료");
    return m_kind.isApartment() ? QStringLiteral("아파트뱅킹 이체 자료") : QStringLiteral("대량 입금 이체 자료");
}

// "eCommerce" and the service's name at the right of a heading.
ReportBand TransferReportForms::companyBand(double top) const
{
    ReportBand band;
    band.add(0, ReportDefinition::Left, Width, QStringLiteral("eCommerce"), Qt::AlignRight, Font::Small)
        .add(1, ReportDefinition::Left, Width, AppInfo::serviceName(), Qt::AlignRight, Font::Small);
    for (ReportText& text : band.texts)
        text.box.translate(0, top);
    return band;
}

ReportBand TransferReportForms::summaryBand(const TransferBatchSummary& summary) const
{
    const double left = ReportDefinition::Left;
    ReportBand band;
    band.add(0, left, Width, QStringLiteral("이용기관 정보"), Qt::AlignLeft, Font::Bold);
    const QList<std::pair<QString, QString>> fields { { QStringLiteral("기  관  명"), summary.institution },
        { QStringLiteral("이 체 일 자"), summary.transferDate }, { QStringLiteral("송 신 일 자"), summary.sendDate },
        { QStringLiteral("비      고"), summary.remark }, { QStringLiteral("상      태"), summary.state },
        { QStringLiteral("수 신 일 자"), summary.receiveDate } };
    for (int i = 0; i < fields.size(); ++i) {
        const double column = i % 2 == 0 ? left + 4 : left + 100;
        const int line = 1 + i / 2;
        band.add(line, column, 22, fields.at(i).first).add(line, column + 22, 4, QStringLiteral(":"));
        band.add(line, column + 26, 70, fields.at(i).second);
    }
    band.add(5, left, Width, QStringLiteral("상태 정보"), Qt::AlignLeft, Font::Bold);
    TotalsTable totals;
    for (int i = 0; i < TotalNames.size(); ++i) {
        const TransferBatchSummary::Total total = summary.totals.value(i);
        totals.rows << TotalsTable::Row { TotalNames.at(i), total.count, total.amount };
    }
    band.height = (totals.addTo(band, 6, left) + 1) * L;
    return band;
}

ReportDefinition TransferReportForms::data(const TransferBatchSummary& summary, bool withDetails) const
{
    ReportDefinition definition;
    definition.formName = dataName();
    definition.documentName = dataTitle();
    definition.pageHeader = companyBand(0);
    definition.pageHeader.add(0, ReportDefinition::Left, 130, pageHeading(), Qt::AlignLeft, Font::Heading).rule(2);
    definition.pageHeader.height = 3 * L;
    definition.titleBand = summaryBand(summary);
    definition.printsDetails = withDetails;

    QList<Column> first { { BankName, 10, 24 }, { Account, 34, 32 }, { Name, 66, 26 },
        { Amount, 92, 24, Qt::AlignRight }, { FundName, 120, 30 }, { OutcomeName, 152, 18 }, { ResultName, 172, 28 } };
    QList<Column> second { { PayerNumber, 120, 30 }, { Remark, 152, 48 } };
    ReportBand header;
    header.add(0, 10, 24, QStringLiteral("은  행  명"))
        .add(0, 34, 32, QStringLiteral("계   좌   번   호"))
        .add(0, 66, 26, QStringLiteral("성     명"))
        .add(0, 92, 24, QStringLiteral("이  체  금  액"), Qt::AlignRight)
        .add(0, 120, 30, QStringLiteral("자 금 구 분"))
        .add(0, 152, 18, QStringLiteral("이체 여부"))
        .add(0, 172, 28, QStringLiteral("수 납 처 리 결 과"))
        .add(1, 120, 30, QStringLiteral("납 부 자 번 호"))
        .add(1, 152, 48, QStringLiteral("비          고"));
    if (m_kind.hasDongHo) {
        second << Column { Dong, 10, 12 } << Column { Ho, 22, 12 };
        header.add(1, 10, 12, QStringLiteral("동")).add(1, 22, 12, QStringLiteral("호"));
    }
    definition.columnHeader = headerRules(header, 2);
    for (const Column& column : first)
        addCell(definition, 0, column);
    for (const Column& column : second)
        addCell(definition, 1, column);
    definition.detailHeight = 2 * L;
    definition.endBand = ReportDefinition::endMarkBand();
    definition.setFooter(QStringLiteral("- %1 -"));
    return definition;
}

ReportDefinition TransferReportForms::list() const
{
    ReportDefinition definition;
    definition.formName = listName();
    definition.documentName = dataTitle();
    ReportBand header;
    header.add(0, ReportDefinition::Left, 40, QStringLiteral("eCommerce"), Qt::AlignLeft, Font::Small)
        .add(1, ReportDefinition::Left, 60, AppInfo::serviceName(), Qt::AlignLeft, Font::Small)
        .add(0, ReportDefinition::Left, Width, listHeading(), Qt::AlignHCenter, Font::Heading);
    QList<Column> columns;
    QStringList captions;
    if (m_kind.hasDongHo) {
        columns = { { Dong, 10, 12 }, { Ho, 22, 12 }, { Name, 34, 26 }, { Remark, 60, 26 }, { BankName, 86, 24 },
            { Account, 110, 34 }, { Amount, 144, 28, Qt::AlignRight }, { OutcomeName, 176, 24 } };
        captions = { QStringLiteral("동"), QStringLiteral("호"), QStringLiteral("입 주 자"), QStringLiteral("예금주명"),
            QStringLiteral("은 행 명"), QStringLiteral("계좌번호"), QStringLiteral("이 체 금 액"),
            QStringLiteral("이체 여부") };
    } else {
        columns = { { BankName, 10, 30 }, { Account, 40, 40 }, { Name, 80, 35 }, { Amount, 115, 30, Qt::AlignRight },
            { OutcomeName, 150, 17 }, { PayerNumber, 167, 33 } };
        captions = { QStringLiteral("은 행 명"), QStringLiteral("계  좌  번  호"), QStringLiteral("예금주명"),
            QStringLiteral("이 체 금 액"), QStringLiteral("이체 여부"), QStringLiteral("납부자 번호") };
    }
    ReportBand captionBand;
    for (int i = 0; i < columns.size(); ++i) {
        const Column& column = columns.at(i);
        captionBand.add(0, column.left, column.width, captions.at(i), column.align);
        addCell(definition, 0, column);
    }
    captionBand = headerRules(captionBand, 1);
    for (ReportText& text : captionBand.texts)
        text.box.translate(0, 3 * L);
    for (QLineF& rule : captionBand.rules)
        rule.translate(0, 3 * L);
    header.texts << captionBand.texts;
    header.rules << captionBand.rules;
    header.height = 3 * L + captionBand.height;
    definition.pageHeader = header;
    definition.detailHeight = L;
    definition.endBand = ReportDefinition::endMarkBand();
    definition.pageNumberFormat = QStringLiteral("- %1 -");
    definition.pageNumberBox = QRectF(ReportDefinition::Left, ReportDefinition::Top + 2 * L, Width, L);
    definition.pageNumberAlign = Qt::AlignRight;
    return definition;
}

ReportDefinition TransferReportForms::title() const
{
    ReportDefinition definition;
    definition.formName = titleName();
    definition.documentName = batchListTitle();
    definition.titleBand = companyBand(0);
    definition.titleBand.add(0, ReportDefinition::Left, 130, batchListTitle(), Qt::AlignLeft, Font::Heading);
    definition.titleBand.height = 3 * L;
    const QList<Column> columns { { Institution, 10, 25 }, { Count, 35, 22, Qt::AlignRight },
        { TotalAmount, 57, 35, Qt::AlignRight }, { TransferDate, 96, 24 }, { State, 122, 24 },
        { BatchRemark, 146, 54 } };
    const QStringList captions { QStringLiteral("기관코드"), QStringLiteral("의뢰건수"), QStringLiteral("의 뢰 금 액"),
        QStringLiteral("이체일자"), QStringLiteral("상  태"), QStringLiteral("비        고") };
    ReportBand header;
    for (int i = 0; i < columns.size(); ++i) {
        header.add(0, columns.at(i).left, columns.at(i).width, captions.at(i), columns.at(i).align);
        addCell(definition, 0, columns.at(i));
    }
    definition.columnHeader = headerRules(header, 1);
    definition.detailHeight = L;
    definition.endBand = ReportDefinition::endMarkBand();
    definition.setFooter(QStringLiteral("-%1-"));
    return definition;
}
