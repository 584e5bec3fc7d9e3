#include "core/print/PrintOptions.h"

QStringList PrintOptions::styleNames(Variant variant)
{
    QStringList names { QStringLiteral("전체출력 - 요약 내역과 목록 출력"),
        QStringLiteral("요약출력 - 요약 내역만 출력") };
    if (variant != Variant::WithoutDataAndList)
        names << QStringLiteral("목록출력 - 주요 항목만 목록으로 출력");
    return names;
}

QStringList PrintOptions::dataNames()
{
    return { QStringLiteral("전체자료 - 모든 자료를 출력"), QStringLiteral("정상자료 - 처리 결과가 정상인 자료만 출력"),
        QStringLiteral("불능자료 - 처리 결과가 불능인 자료만 출력") };
}
