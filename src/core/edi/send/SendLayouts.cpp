#include "core/edi/send/SendLayouts.h"

namespace SendLayouts {

namespace {

using F = RecordField;

// The fields of the transfer D record that come before the fund code, the same for every kind.
QList<RecordField> itemHead(const QByteArray& itemKind)
{
    return {
        F::constant(QStringLiteral("레코드구분"), 1, "D"),
        F::number(QStringLiteral("일련번호"), 2, 7),
        F::text(QStringLiteral("기관코드"), 9, 10),
        F::constant(QStringLiteral("자료구분"), 19, "1"),
        F::constant(QStringLiteral("이체구분"), 20, itemKind),
    };
}

// From the bank code to the payer number, the same for every kind but the deposit passbook text.
QList<RecordField> itemMiddle(bool passbookText)
{
    return {
        F::number(QStringLiteral("은행코드"), 24, 3),
        F::text(QStringLiteral("계좌번호"), 27, 16),
        F::number(QStringLiteral("금액"), 43, 13),
        F::constant(QStringLiteral("수수료"), 56, "0000000000000"),
        passbookText ? F::text(QStringLiteral("통장기재내용"), 69, 12) : F::blank(69, 12),
        F::constant(QStringLiteral("처리구분"), 81, "0"),
        F::blank(82, 13),
        F::text(QStringLiteral("납부자번호"), 95, 20),
    };
}

RecordLayout depositItem()
{
    QList<RecordField> fields = itemHead("1");
    fields << F::text(QStringLiteral("자금코드"), 21, 3);
    fields << itemMiddle(true);
    fields << F::number(QStringLiteral("배치번호"), 115, 3) << F::text(QStringLiteral("송신시각"), 118, 6)
           << F::blank(124, 6) << F::blank(130, 20) << F::text(QStringLiteral("검증값"), 150, 4)
           << F::text(QStringLiteral("급여구분"), 154, 1) << F::blank(155, 44);
    return RecordLayout(QStringLiteral("deposit D"), 198, fields);
}

RecordLayout withdrawalItem()
{
    QList<RecordField> fields = itemHead("2");
    fields << F::number(QStringLiteral("자금코드"), 21, 3);
    fields << itemMiddle(false);
    fields << F::number(QStringLiteral("배치번호"), 115, 3) << F::text(QStringLiteral("송신시각"), 118, 6)
           << F::blank(124, 6) << F::blank(130, 20) << F::text(QStringLiteral("검증값"), 150, 4) << F::blank(154, 45);
    return RecordLayout(QStringLiteral("withdrawal D"), 198, fields);
}

RecordLayout apartmentItem()
{
    QList<RecordField> fields = itemHead("2");
    fields << F::number(QStringLiteral("자금코드"), 21, 3);
    fields << itemMiddle(false);
    fields << F::text(QStringLiteral("배치코드"), 115, 5) << F::text(QStringLiteral("동"), 120, 5)
           << F::text(QStringLiteral("호"), 125, 5) << F::blank(130, 20) << F::text(QStringLiteral("검증값"), 150, 4)
           << F::blank(154, 45);
    return RecordLayout(QStringLiteral("apartment D"), 198, fields);
}

} // namespace

const RecordLayout& transferStart()
{
    static const RecordLayout layout(QStringLiteral("transfer S"), 198,
        {
            F::constant(QStringLiteral("레코드구분"), 1, "S"),
            F::constant(QStringLiteral("업무구분"), 2, "999"),
            F::constant(QStringLiteral("은행코드"), 5, "011"),
            F::constant(QStringLiteral("자료구분"), 8, "1"),
            F::text(QStringLiteral("기관코드"), 9, 10),
            F::text(QStringLiteral("이체종류"), 19, 3),
            F::text(QStringLiteral("이체일자"), 22, 8),
            F::text(QStringLiteral("송신일자"), 30, 8),
            F::number(QStringLiteral("검증번호"), 38, 4),
            F::blank(42, 157),
        });
    return layout;
}

const RecordLayout& transferItem(const TransferKind& kind)
{
    static const RecordLayout deposit = depositItem();
    static const RecordLayout withdrawal = withdrawalItem();
    static const RecordLayout apartment = apartmentItem();
    return kind.isDeposit() ? deposit : kind.isApartment() ? apartment : withdrawal;
}

const RecordLayout& transferEnd()
{
    static const RecordLayout layout(QStringLiteral("transfer E"), 198,
        {
            F::constant(QStringLiteral("레코드구분"), 1, "E"),
            F::number(QStringLiteral("총레코드수"), 2, 7),
            F::number(QStringLiteral("총건수"), 9, 7),
            F::number(QStringLiteral("총금액"), 16, 15),
            F::number(QStringLiteral("중앙회건수"), 31, 7),
            F::number(QStringLiteral("중앙회금액"), 38, 15),
            F::number(QStringLiteral("회원조합건수"), 53, 7),
            F::number(QStringLiteral("회원조합금액"), 60, 15),
            F::number(QStringLiteral("타행건수"), 75, 7),
            F::number(QStringLiteral("타행금액"), 82, 15),
            F::text(QStringLiteral("검증값"), 97, 4),
            F::blank(101, 98),
        });
    return layout;
}

const GroupFields& transferEndGroup(BankGroup::Group group)
{
    static const GroupFields fields[BankGroup::Count] = {
        { QStringLiteral("중앙회건수"), QStringLiteral("중앙회금액") },
        { QStringLiteral("회원조합건수"), QStringLiteral("회원조합금액") },
        { QStringLiteral("타행건수"), QStringLiteral("타행금액") },
    };
    return fields[group - 1];
}

const RecordLayout& consentStart()
{
    static const RecordLayout layout(QStringLiteral("consent S"), 98,
        {
            F::constant(QStringLiteral("레코드구분"), 1, "S"),
            F::constant(QStringLiteral("업무구분"), 2, "E1"),
            F::text(QStringLiteral("기관코드"), 4, 10),
            F::constant(QStringLiteral("은행코드"), 14, "11"),
            F::text(QStringLiteral("신청일자"), 16, 8),
            F::constant(QStringLiteral("자료구분"), 24, "1"),
            F::blank(25, 74),
        });
    return layout;
}

const RecordLayout& consentItem()
{
    static const RecordLayout layout(QStringLiteral("consent D"), 98,
        {
            F::constant(QStringLiteral("레코드구분"), 1, "D"),
            F::number(QStringLiteral("일련번호"), 2, 7),
            F::number(QStringLiteral("은행코드"), 9, 2),
            F::text(QStringLiteral("계좌번호"), 11, 16),
            F::text(QStringLiteral("신청구분"), 27, 1),
            F::number(QStringLiteral("이체일"), 28, 2),
            F::number(QStringLiteral("지점코드"), 30, 6),
            F::text(QStringLiteral("신청일자"), 36, 8),
            F::blank(44, 5),
            F::text(QStringLiteral("실명확인"), 49, 1),
            F::text(QStringLiteral("주민번호"), 50, 13),
            F::text(QStringLiteral("납부자번호"), 63, 20),
            F::blank(83, 16),
        });
    return layout;
}

const RecordLayout& consentEnd()
{
    static const RecordLayout layout(QStringLiteral("consent E"), 98,
        {
            F::constant(QStringLiteral("레코드구분"), 1, "E"),
            F::number(QStringLiteral("총레코드수"), 2, 7),
            F::number(QStringLiteral("등록건수"), 9, 7),
            F::number(QStringLiteral("해지건수"), 16, 7),
            F::constant(QStringLiteral("예비건수"), 23, QByteArray(28, '0')),
            F::blank(51, 48),
        });
    return layout;
}

} // namespace SendLayouts
