#include "core/edi/HeaderLayouts.h"

namespace HeaderLayouts {

namespace {

using F = RecordField;

// The fields both header lines share from byte 23 on.
QList<RecordField> headerTail()
{
    return {
        F::blank(23, 10),
        F::text(QStringLiteral("로그인ID"), 33, 10),
        F::text(QStringLiteral("송신코드"), 43, 6),
        F::constant(QStringLiteral("송신순번"), 49, "001"),
        F::text(QStringLiteral("은행측코드"), 52, 10),
    };
}

} // namespace

const RecordLayout& neHead()
{
    static const RecordLayout layout(QStringLiteral("NEHEAD"), 61,
        QList<RecordField> {
            F::constant(QStringLiteral("헤더구분"), 1, "<<NEHEAD>>"),
            F::constant(QStringLiteral("업무구분"), 11, "1"),
            F::constant(QStringLiteral("자료구분"), 12, "N"),
            F::constant(QStringLiteral("자료길이"), 13, "0000000000"),
        } + headerTail());
    return layout;
}

const RecordLayout& smHead()
{
    static const RecordLayout layout(QStringLiteral("SMHEAD"), 74,
        QList<RecordField> {
            F::constant(QStringLiteral("헤더구분"), 1, "<<SMHEAD>>"),
            F::constant(QStringLiteral("업무구분"), 11, "3"),
            F::constant(QStringLiteral("자료구분"), 12, "B"),
            F::number(QStringLiteral("자료길이"), 13, 10),
        } + headerTail()
            + QList<RecordField> { F::constant(QStringLiteral("문서구분"), 62, "001PAYINFO   ") });
    return layout;
}

} // namespace HeaderLayouts
