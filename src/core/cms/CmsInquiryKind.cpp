#include "core/cms/CmsInquiryKind.h"

#include "core/data/TableCatalogue.h"
#include "core/edi/TEdiInfo.h"

namespace {

using Rule = CmsField::Rule;
using F = RecordField;

QList<CmsField> fundCollectionTotals(Rule count, Rule amount)
{
    const Rule total = count == Rule::Strict ? Rule::StrictCount : Rule::LenientCount;
    return {
        { QStringLiteral("Tot_no"), F::number(QStringLiteral("총 거래 건수"), 2, 5), total },
        { QStringLiteral("Tot_ok_in_no"), F::number(QStringLiteral("정상 수납 건수 합계"), 7, 5), count },
        { QStringLiteral("Tot_ok_in_pay"), F::number(QStringLiteral("정상 수납 금액 합계"), 12, 12), amount },
        { QStringLiteral("Tot_no_in_no"), F::number(QStringLiteral("수납 취소 건수 합계"), 24, 5), count },
        { QStringLiteral("Tot_no_in_pay"), F::number(QStringLiteral("수납 취소 금액 합계"), 29, 12), amount },
        { QStringLiteral("Tot_ok_out_no"), F::number(QStringLiteral("정상 지급 건수 합계"), 41, 5), count },
        { QStringLiteral("Tot_ok_out_pay"), F::number(QStringLiteral("정상 지급 금액 합계"), 46, 12), amount },
        { QStringLiteral("Tot_no_out_no"), F::number(QStringLiteral("지급 취소 건수 합계"), 58, 5), count },
        { QStringLiteral("Tot_no_out_pay"), F::number(QStringLiteral("지급 취소 금액 합계"), 63, 12), amount },
    };
}

CmsInquiryKind fundCollection()
{
    CmsInquiryKind kind { CmsInquiryKind::Kind::FundCollection, TEdiInfo::CmsFundCollection, 78, QStringLiteral("HY1"),
        QStringLiteral("hyun1"), QStringLiteral("Hyun_id"), QStringLiteral("HYUN2"), QStringLiteral("Hyun_id"),
        QStringLiteral("GiganCode"), QStringLiteral("BankCode"), true, {},
        fundCollectionTotals(Rule::Lenient, Rule::Lenient), {}, {}, {} };
    kind.details = {
        { QStringLiteral("Bank_no"), F::text(QStringLiteral("계좌번호"), 2, 14), Rule::Account },
        { QStringLiteral("Trade_dt"), F::text(QStringLiteral("거래일자"), 16, 6), Rule::Date },
        { QStringLiteral("Trade_id"), F::text(QStringLiteral("거래구분"), 22, 1), Rule::Text },
        { QStringLiteral("Cancel_id"), F::text(QStringLiteral("취소구분"), 23, 1), Rule::Text },
        { QStringLiteral("Custom_id"), F::text(QStringLiteral("거래처코드"), 24, 7), Rule::Text },
        { QStringLiteral("Gyta_id"), F::text(QStringLiteral("기타코드"), 31, 7), Rule::Text },
        { QStringLiteral("Trade_pay"), F::number(QStringLiteral("거래금액"), 38, 11), Rule::Strict },
        { QStringLiteral("Trade_after_pay"), F::number(QStringLiteral("거래후잔액"), 49, 12), Rule::Strict },
        { QStringLiteral("Samuso"), F::text(QStringLiteral("사무소"), 61, 6), Rule::Text },
        { QStringLiteral("Ip_Name"), F::text(QStringLiteral("입금자성명"), 67, 11), Rule::Name },
    };
    return kind;
}

CmsInquiryKind notesReceivable()
{
    CmsInquiryKind kind { CmsInquiryKind::Kind::NotesReceivable, TEdiInfo::CmsNotesReceivable, 158,
        QStringLiteral("HY2"), QStringLiteral("eum1"), QStringLiteral("Note_id"), QStringLiteral("eum2"),
        QStringLiteral("Note_id"), QStringLiteral("Gygan_id"), QStringLiteral("Bank_id"), true, {},
        fundCollectionTotals(Rule::Strict, Rule::Strict), {}, {}, {} };
    kind.details = {
        { QStringLiteral("Deal_bank"), F::text(QStringLiteral("취급점"), 2, 6), Rule::Text },
        { QStringLiteral("Deal_ti"), F::text(QStringLiteral("취급시간"), 8, 6), Rule::Time },
        { QStringLiteral("Trade_num"), F::text(QStringLiteral("처리번호"), 14, 6), Rule::Text },
        { QStringLiteral("CodeA"), F::text(QStringLiteral("거래구분"), 20, 2), Rule::Text },
        { QStringLiteral("Trade_pay"), F::number(QStringLiteral("거래금액"), 22, 11), Rule::Strict },
        { QStringLiteral("Tbank_id1"), F::text(QStringLiteral("타점코드1"), 33, 2), Rule::Text },
        { QStringLiteral("Tbank_pay1"), F::number(QStringLiteral("타점금액1"), 35, 11), Rule::Strict },
        { QStringLiteral("Tbank_id2"), F::text(QStringLiteral("타점코드2"), 46, 2), Rule::Text },
        { QStringLiteral("Tbank_pay2"), F::number(QStringLiteral("타점금액2"), 48, 11), Rule::Strict },
        { QStringLiteral("Tbank_id3"), F::text(QStringLiteral("타점코드3"), 59, 2), Rule::Text },
        { QStringLiteral("Tbank_pay3"), F::number(QStringLiteral("타점금액3"), 61, 11), Rule::Strict },
        { QStringLiteral("Cust_id"), F::text(QStringLiteral("거래처코드"), 72, 10), Rule::Text },
        { QStringLiteral("Buseo_id"), F::text(QStringLiteral("부서코드"), 82, 10), Rule::Text },
        { QStringLiteral("Article_id"), F::text(QStringLiteral("물품코드"), 92, 10), Rule::Text },
        { QStringLiteral("Note_out_bank"), F::text(QStringLiteral("지급은행"), 102, 2), Rule::Text },
        { QStringLiteral("Note_no"), F::text(QStringLiteral("어음번호"), 104, 10), Rule::Text },
        { QStringLiteral("Note_account_dt"), F::text(QStringLiteral("어음결제일"), 114, 6), Rule::Date },
        { QStringLiteral("CodeB"), F::text(QStringLiteral("취소구분"), 120, 2), Rule::Text },
        { QStringLiteral("Before_bank"), F::text(QStringLiteral("전처리점"), 122, 6), Rule::Text },
        { QStringLiteral("Before_dt"), F::text(QStringLiteral("전처리일"), 128, 6), Rule::Date },
        { QStringLiteral("Befor_no"), F::text(QStringLiteral("전처리번호"), 134, 6), Rule::Text },
        { QStringLiteral("Name"), F::text(QStringLiteral("입금자성명"), 140, 12), Rule::Name },
    };
    kind.trailer += {
        { QStringLiteral("Tot_tajum1"), F::number(QStringLiteral("자기앞 수표 합계"), 75, 11), Rule::Strict },
        { QStringLiteral("Tot_tajum2"), F::number(QStringLiteral("어음 / 당좌 합계"), 86, 11), Rule::Strict },
        { QStringLiteral("Tot_tajum3"), F::number(QStringLiteral("가계 수표 합계"), 97, 11), Rule::Strict },
        { QStringLiteral("Jan_pay"), F::number(QStringLiteral("원장 잔액"), 108, 11), Rule::Strict },
        { QStringLiteral("Jan_pay_ok"), F::number(QStringLiteral("지불 가능 잔액"), 119, 11), Rule::Strict },
        { QStringLiteral("Tot_su_ok"), F::number(QStringLiteral("수탁 등록 건수 합계"), 130, 5), Rule::Strict },
        { QStringLiteral("Tot_su_no"), F::number(QStringLiteral("수탁 취소 건수 합계"), 135, 5), Rule::Strict },
    };
    return kind;
}

CmsInquiryKind passbook()
{
    CmsInquiryKind kind { CmsInquiryKind::Kind::Passbook, TEdiInfo::PassbookTransactions, 198, QStringLiteral("HY3"),
        QStringLiteral("Ilban1"), QStringLiteral("Ilban_id"), QStringLiteral("Ilban2"), QStringLiteral("Ilban_id"),
        QStringLiteral("Gigan_id"), QStringLiteral("Bank_id"), false, {}, {}, {}, {}, {} };
    kind.details = {
        { QStringLiteral("Trade_num"), F::text(QStringLiteral("처리번호"), 2, 6), Rule::Text },
        { QStringLiteral("Gubun"), F::text(QStringLiteral("거래구분"), 8, 2), Rule::Text },
        { QStringLiteral("Trade_dt"), F::text(QStringLiteral("거래일자"), 10, 6), Rule::Date },
        { QStringLiteral("Kisan_dt"), F::text(QStringLiteral("기산일"), 16, 6), Rule::Date },
        { QStringLiteral("Trade_ti"), F::text(QStringLiteral("거래시간"), 22, 6), Rule::Time },
        { QStringLiteral("Samuso"), F::text(QStringLiteral("취급점"), 28, 6), Rule::Text },
        { QStringLiteral("Bank_no"), F::text(QStringLiteral("계좌번호"), 34, 14), Rule::Account },
        { QStringLiteral("Trade_mon"), F::number(QStringLiteral("거래금액"), 48, 11), Rule::Strict },
        { QStringLiteral("Af_Jan_bu"), F::text(QStringLiteral("잔액부호"), 59, 1), Rule::Text },
        { QStringLiteral("Af_Jan"), F::number(QStringLiteral("거래후잔액"), 60, 13), Rule::Strict },
        { QStringLiteral("SuSu"), F::number(QStringLiteral("수수료"), 73, 8), Rule::Strict },
        { QStringLiteral("Hyun"), F::number(QStringLiteral("현금"), 81, 11), Rule::Strict },
        { QStringLiteral("Datche"), F::number(QStringLiteral("대체"), 92, 11), Rule::Strict },
        { QStringLiteral("Ta_id1"), F::text(QStringLiteral("타점1"), 103, 2), Rule::Text },
        { QStringLiteral("Ta_mon1"), F::number(QStringLiteral("타점금액1"), 105, 11), Rule::Strict },
        { QStringLiteral("Ta_id2"), F::text(QStringLiteral("타점2"), 116, 2), Rule::Text },
        { QStringLiteral("Ta_mon2"), F::number(QStringLiteral("타점금액2"), 118, 11), Rule::Strict },
        { QStringLiteral("Ip_p_id"), F::text(QStringLiteral("거래인"), 129, 20), Rule::Name },
        { QStringLiteral("Ji_Bank_id"), F::text(QStringLiteral("수납은행"), 149, 2), Rule::Text },
        { QStringLiteral("Magam"), F::text(QStringLiteral("마감구분"), 151, 2), Rule::Text },
    };
    return kind;
}

void markMoney(QList<CmsField>& fields, const QString& table)
{
    const TableDef* definition = TableCatalogue::instance().table(table);
    for (CmsField& field : fields) {
        const FieldDef* column = definition ? definition->field(field.column) : nullptr;
        field.money = column && column->type == FieldType::Money;
    }
}

QList<RecordField> fieldsOf(const QList<CmsField>& fields)
{
    QList<RecordField> declared;
    for (const CmsField& field : fields)
        declared << field.field;
    return declared;
}

// A line of the kind: its record type, the fields, and blanks to its end.
std::shared_ptr<const RecordLayout> lineLayout(
    const QString& name, int length, const QByteArray& type, QList<RecordField> fields)
{
    const int end = fields.isEmpty() ? type.size() : fields.last().start + fields.last().width - 1;
    fields.prepend(F::constant(QStringLiteral("레코드구분"), 1, type));
    if (end < length)
        fields << F::blank(end + 1, length - end);
    return std::make_shared<const RecordLayout>(name, length, fields);
}

// The S line: the account only where the kind's header has one, then the send time.
std::shared_ptr<const RecordLayout> startLayout(const QString& name, int length, bool withAccount)
{
    QList<RecordField> fields { F::blank(2, 2), F::text(QStringLiteral("기관코드"), 4, 5),
        F::text(QStringLiteral("거래일자"), 9, 6), F::text(QStringLiteral("전송일자"), 15, 6) };
    const int timeStart = withAccount ? 35 : 21;
    if (withAccount)
        fields << F::text(QStringLiteral("계좌번호"), 21, 14);
    fields << F::text(QStringLiteral("전송시간"), timeStart, 6);
    return lineLayout(name + QStringLiteral(" S"), length, "S", fields);
}

QList<CmsInquiryKind> completed(QList<CmsInquiryKind> kinds)
{
    for (CmsInquiryKind& kind : kinds) {
        markMoney(kind.details, kind.detailTable);
        markMoney(kind.trailer, kind.masterTable);
        kind.startRecord = startLayout(kind.masterTable, kind.lineLength, kind.headerHasAccount);
        kind.detailRecord
            = lineLayout(kind.detailTable + QStringLiteral(" D"), kind.lineLength, "D", fieldsOf(kind.details));
        kind.endRecord
            = lineLayout(kind.masterTable + QStringLiteral(" E"), kind.lineLength, "E", fieldsOf(kind.trailer));
    }
    return kinds;
}

} // namespace

const QList<CmsInquiryKind>& CmsInquiryKind::all()
{
    static const QList<CmsInquiryKind> kinds = completed({ fundCollection(), notesReceivable(), passbook() });
    return kinds;
}

const CmsInquiryKind* CmsInquiryKind::forLineLength(qsizetype length)
{
    for (const CmsInquiryKind& kind : all()) {
        if (kind.lineLength == length)
            return &kind;
    }
    return nullptr;
}

QStringList CmsInquiryKind::keyColumns() const
{
    QStringList columns { institutionColumn, QStringLiteral("Trans_dt"), QStringLiteral("Trans_ti") };
    if (headerHasAccount)
        columns << QStringLiteral("Bank_no");
    return columns;
}
