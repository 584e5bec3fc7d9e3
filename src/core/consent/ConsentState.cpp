#include "core/consent/ConsentState.h"

#include <QHash>

namespace ConsentState {

QString name(int state)
{
    switch (state) {
    case AwaitingRegistration:
        return QStringLiteral("등록대기");
    case Registering:
        return QStringLiteral("등록중");
    case Registered:
        return QStringLiteral("등록완료");
    case RegistrationError:
        return QStringLiteral("등록오류");
    case AwaitingCancellation:
        return QStringLiteral("해지대기");
    case Cancelling:
        return QStringLiteral("해지중");
    case Cancelled:
        return QStringLiteral("해지완료");
    case CancellationError:
        return QStringLiteral("해지오류");
    default:
        return QStringLiteral("미등록");
    }
}

QString resultText(const QVariant& resultCode)
{
    static const QHash<int, QString> texts {
        { 10, QStringLiteral("해더식별코드") },
        { 11, QStringLiteral("해더기관코드") },
        { 12, QStringLiteral("해더의뢰일자") },
        { 15, QStringLiteral("해더은행코드") },
        { 16, QStringLiteral("해더화일구분/처리결과통보구분") },
        { 20, QStringLiteral("데이타레코드식별코드") },
        { 23, QStringLiteral("데이타처리순번") },
        { 25, QStringLiteral("데이타은행코드") },
        { 26, QStringLiteral("REC신청구분/실명번호체크여부") },
        { 33, QStringLiteral("END전송레코드수/신규등록의뢰건수/해지등록의뢰건수") },
        { 101, QStringLiteral("수취인계좌 없음") },
        { 102, QStringLiteral("수취인계좌 부적") },
        { 103, QStringLiteral("수취인계좌번호내의 점번호 틀림") },
        { 104, QStringLiteral("수취인계좌 잔액증명서 발급") },
        { 105, QStringLiteral("수취인계좌 통장정리후 거래가능") },
        { 106, QStringLiteral("수취인계좌 입금한도 초과") },
        { 107, QStringLiteral("실명번호 불일치") },
        { 108, QStringLiteral("총금액 상위") },
        { 201, QStringLiteral("통장분실 재발행계좌") },
        { 202, QStringLiteral("법적제한계좌") },
        { 203, QStringLiteral("가명계좌") },
        { 204, QStringLiteral("해약계좌") },
        { 205, QStringLiteral("잡좌") },
        { 300, QStringLiteral("실명 미확인") },
        { 400, QStringLiteral("기타 수취불가") },
        { 444, QStringLiteral("입금상대은행 장애") },
        { 1000, QStringLiteral("잔액부족") },
        { 1001, QStringLiteral("예금주 성명 오류") },
        { 1002, QStringLiteral("연체계좌,한도초과") },
        { 1003, QStringLiteral("지급정지 계좌") },
        { 1004, QStringLiteral("일부출금") },
        { 1005, QStringLiteral("미처리") },
        { 1006, QStringLiteral("이체일오류") },
        { 1008, QStringLiteral("은행Systme Error") },
        { 1009, QStringLiteral("거래일자 오류") },
        { 1010, QStringLiteral("계정과목 오류") },
        { 1011, QStringLiteral("이체금액 오류") },
        { 1012, QStringLiteral("계좌번호 오류") },
        { 1013, QStringLiteral("해당원장 없음") },
        { 1014, QStringLiteral("계좌상태 오류") },
        { 2000, QStringLiteral("신청구분 오류") },
        { 2001, QStringLiteral("납부자번호 오류") },
        { 2002, QStringLiteral("대상납부자 없음(자동이체 미등록)") },
        { 2003, QStringLiteral("해지신청시 계좌번호 불일치") },
        { 2004, QStringLiteral("신규신청 불가") },
        { 2005, QStringLiteral("이중신청(동일 납부자번호&동일계좌)") },
        { 2006, QStringLiteral("징수기관 임의해지") },
        { 2007, QStringLiteral("자동이체 해지되었음(영업점해지)") },
        { 2008, QStringLiteral("자동이체 해지되었음(업체 해지)") },
        { 2015, QStringLiteral("이중신청(동일 납부자번호&상이계좌)") },
    };
    bool numeric = false;
    const int code = resultCode.toString().trimmed().toInt(&numeric);
    if (resultCode.isNull() || !numeric || code == -1)
        return {};
    if (code == 0)
        return QStringLiteral("정상처리");
    return QStringLiteral("[%1]").arg(code) + texts.value(code, QStringLiteral("은행에 문의필요"));
}

} // namespace ConsentState
