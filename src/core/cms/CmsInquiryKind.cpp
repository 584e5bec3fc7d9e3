#include "core/cms/CmsInquiryKind.h"

#include "core/data/TableCatalogue.h"
#include "core/edi/TEdiInfo.h"

namespace {

using Rule = CmsField::Rule;

QList<CmsField> fundCollectionTotals(Rule count, Rule amount)
{
    const Rule total = count == Rule::Strict ? Rule::StrictCount : Rule::LenientCount;
    return {
        {QStringLiteral("Tot_no"), 2, 5, total, QStringLiteral("총 거래 건수")},
        {QStringLiteral("Tot_ok_in_no"), 7, 5, count, QStringLiteral("정상 수납 건수 합계")},
        {QStringLiteral("Tot_ok_in_pay"), 12, 12, amount, QStringLiteral("정상 수납 금액 합계")},
        {QStringLiteral("Tot_no_in_no"), 24, 5, count, QStringLiteral("수납 취소 건수 합계")},
        {QStringLiteral("Tot_no_in_pay"), 29, 12, amount, QStringLiteral("수납 취소 금액 합계")},
        {QStringLiteral("Tot_ok_out_no"), 41, 5, count, QStringLiteral("정상 지급 건수 합계")},
        {QStringLiteral("Tot_ok_out_pay"), 46, 12, amount, QStringLiteral("정상 지급 금액 합계")},
        {QStringLiteral("Tot_no_out_no"), 58, 5, count, QStringLiteral("지급 취소 건수 합계")},
        {QStringLiteral("Tot_no_out_pay"), 63, 12, amount, QStringLiteral("지급 취소 금액 합계")},
    };
}

CmsInquiryKind fundCollection()
{
    CmsInquiryKind kind{CmsInquiryKind::Kind::FundCollection, TEdiInfo::CmsFundCollection, 78,
                        QStringLiteral("HY1"), QStringLiteral("hyun1"), QStringLiteral("Hyun_id"),
                        QStringLiteral("HYUN2"), QStringLiteral("Hyun_id"), QStringLiteral("GiganCode"),
                        QStringLiteral("BankCode"), true, 35, {}, fundCollectionTotals(Rule::Lenient, Rule::Lenient)};
    kind.details = {
        {QStringLiteral("Bank_no"), 2, 14, Rule::Account, QStringLiteral("계좌번호")},
        {QStringLiteral("Trade_dt"), 16, 6, Rule::Date, QStringLiteral("거래일자")},
        {QStringLiteral("Trade_id"), 22, 1, Rule::Text, QStringLiteral("거래구분")},
        {QStringLiteral("Cancel_id"), 23, 1, Rule::Text, QStringLiteral("취소구분")},
        {QStringLiteral("Custom_id"), 24, 7, Rule::Text, QStringLiteral("거래처코드")},
        {QStringLiteral("Gyta_id"), 31, 7, Rule::Text, QStringLiteral("기타코드")},
        {QStringLiteral("Trade_pay"), 38, 11, Rule::Strict, QStringLiteral("거래금액")},
        {QStringLiteral("Trade_after_pay"), 49, 12, Rule::Strict, QStringLiteral("거래후잔액")},
        {QStringLiteral("Samuso"), 61, 6, Rule::Text, QStringLiteral("사무소")},
        {QStringLiteral("Ip_Name"), 67, 11, Rule::Name, QStringLiteral("입금자성명")},
    };
    return kind;
}

CmsInquiryKind notesReceivable()
{
    CmsInquiryKind kind{CmsInquiryKind::Kind::NotesReceivable, TEdiInfo::CmsNotesReceivable, 158,
                        QStringLiteral("HY2"), QStringLiteral("eum1"), QStringLiteral("Note_id"),
                        QStringLiteral("eum2"), QStringLiteral("Note_id"), QStringLiteral("Gygan_id"),
                        QStringLiteral("Bank_id"), true, 35, {}, fundCollectionTotals(Rule::Strict, Rule::Strict)};
    kind.details = {
        {QStringLiteral("Deal_bank"), 2, 6, Rule::Text, QStringLiteral("취급점")},
        {QStringLiteral("Deal_ti"), 8, 6, Rule::Time, QStringLiteral("취급시간")},
        {QStringLiteral("Trade_num"), 14, 6, Rule::Text, QStringLiteral("처리번호")},
        {QStringLiteral("CodeA"), 20, 2, Rule::Text, QStringLiteral("거래구분")},
        {QStringLiteral("Trade_pay"), 22, 11, Rule::Strict, QStringLiteral("거래금액")},
        {QStringLiteral("Tbank_id1"), 33, 2, Rule::Text, QStringLiteral("타점코드1")},
        {QStringLiteral("Tbank_pay1"), 35, 11, Rule::Strict, QStringLiteral("타점금액1")},
        {QStringLiteral("Tbank_id2"), 46, 2, Rule::Text, QStringLiteral("타점코드2")},
        {QStringLiteral("Tbank_pay2"), 48, 11, Rule::Strict, QStringLiteral("타점금액2")},
        {QStringLiteral("Tbank_id3"), 59, 2, Rule::Text, QStringLiteral("타점코드3")},
        {QStringLiteral("Tbank_pay3"), 61, 11, Rule::Strict, QStringLiteral("타점금액3")},
        {QStringLiteral("Cust_id"), 72, 10, Rule::Text, QStringLiteral("거래처코드")},
        {QStringLiteral("Buseo_id"), 82, 10, Rule::Text, QStringLiteral("부서코드")},
        {QStringLiteral("Article_id"), 92, 10, Rule::Text, QStringLiteral("물품코드")},
        {QStringLiteral("Note_out_bank"), 102, 2, Rule::Text, QStringLiteral("지급은행")},
        {QStringLiteral("Note_no"), 104, 10, Rule::Text, QStringLiteral("어음번호")},
        {QStringLiteral("Note_account_dt"), 114, 6, Rule::Date, QStringLiteral("어음결제일")},
        {QStringLiteral("CodeB"), 120, 2, Rule::Text, QStringLiteral("취소구분")},
        {QStringLiteral("Before_bank"), 122, 6, Rule::Text, QStringLiteral("전처리점")},
        {QStringLiteral("Before_dt"), 128, 6, Rule::Date, QStringLiteral("전처리일")},
        {QStringLiteral("Befor_no"), 134, 6, Rule::Text, QStringLiteral("전처리번호")},
        {QStringLiteral("Name"), 140, 12, Rule::Name, QStringLiteral("입금자성명")},
    };
    kind.trailer += {
        {QStringLiteral("Tot_tajum1"), 75, 11, Rule::Strict, QStringLiteral("자기앞 수표 합계")},
        {QStringLiteral("Tot_tajum2"), 86, 11, Rule::Strict, QStringLiteral("어음 / 당좌 합계")},
        {QStringLiteral("Tot_tajum3"), 97, 11, Rule::Strict, QStringLiteral("가계 수표 합계")},
        {QStringLiteral("Jan_pay"), 108, 11, Rule::Strict, QStringLiteral("원장 잔액")},
        {QStringLiteral("Jan_pay_ok"), 119, 11, Rule::Strict, QStringLiteral("지불 가능 잔액")},
        {QStringLiteral("Tot_su_ok"), 130, 5, Rule::Strict, QStringLiteral("수탁 등록 건수 합계")},
        {QStringLiteral("Tot_su_no"), 135, 5, Rule::Strict, QStringLiteral("수탁 취소 건수 합계")},
    };
    return kind;
}

CmsInquiryKind passbook()
{
    CmsInquiryKind kind{CmsInquiryKind::Kind::Passbook, TEdiInfo::PassbookTransactions, 198,
                        QStringLiteral("HY3"), QStringLiteral("Ilban1"), QStringLiteral("Ilban_id"),
                        QStringLiteral("Ilban2"), QStringLiteral("Ilban_id"), QStringLiteral("Gigan_id"),
                        QStringLiteral("Bank_id"), false, 21, {}, {}};
    kind.details = {
        {QStringLiteral("Trade_num"), 2, 6, Rule::Text, QStringLiteral("처리번호")},
        {QStringLiteral("Gubun"), 8, 2, Rule::Text, QStringLiteral("거래구분")},
        {QStringLiteral("Trade_dt"), 10, 6, Rule::Date, QStringLiteral("거래일자")},
        {QStringLiteral("Kisan_dt"), 16, 6, Rule::Date, QStringLiteral("기산일")},
        {QStringLiteral("Trade_ti"), 22, 6, Rule::Time, QStringLiteral("거래시간")},
        {QStringLiteral("Samuso"), 28, 6, Rule::Text, QStringLiteral("취급점")},
        {QStringLiteral("Bank_no"), 34, 14, Rule::Account, QStringLiteral("계좌번호")},
        {QStringLiteral("Trade_mon"), 48, 11, Rule::Strict, QStringLiteral("거래금액")},
        {QStringLiteral("Af_Jan_bu"), 59, 1, Rule::Text, QStringLiteral("잔액부호")},
        {QStringLiteral("Af_Jan"), 60, 13, Rule::Strict, QStringLiteral("거래후잔액")},
        {QStringLiteral("SuSu"), 73, 8, Rule::Strict, QStringLiteral("수수료")},
        {QStringLiteral("Hyun"), 81, 11, Rule::Strict, QStringLiteral("현금")},
        {QStringLiteral("Datche"), 92, 11, Rule::Strict, QStringLiteral("대체")},
        {QStringLiteral("Ta_id1"), 103, 2, Rule::Text, QStringLiteral("타점1")},
        {QStringLiteral("Ta_mon1"), 105, 11, Rule::Strict, QStringLiteral("타점금액1")},
        {QStringLiteral("Ta_id2"), 116, 2, Rule::Text, QStringLiteral("타점2")},
        {QStringLiteral("Ta_mon2"), 118, 11, Rule::Strict, QStringLiteral("타점금액2")},
        {QStringLiteral("Ip_p_id"), 129, 20, Rule::Name, QStringLiteral("거래인")},
        {QStringLiteral("Ji_Bank_id"), 149, 2, Rule::Text, QStringLiteral("수납은행")},
        {QStringLiteral("Magam"), 151, 2, Rule::Text, QStringLiteral("마감구분")},
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

QList<CmsInquiryKind> withMoneyMarked(QList<CmsInquiryKind> kinds)
{
    for (CmsInquiryKind& kind : kinds) {
        markMoney(kind.details, kind.detailTable);
        markMoney(kind.trailer, kind.masterTable);
    }
    return kinds;
}

} // namespace

const QList<CmsInquiryKind>& CmsInquiryKind::all()
{
    static const QList<CmsInquiryKind> kinds = withMoneyMarked({fundCollection(), notesReceivable(), passbook()});
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
    QStringList columns{institutionColumn, QStringLiteral("Trans_dt"), QStringLiteral("Trans_ti")};
    if (headerHasAccount)
        columns << QStringLiteral("Bank_no");
    return columns;
}
