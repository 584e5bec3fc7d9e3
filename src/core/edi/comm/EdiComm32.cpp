#include "core/edi/comm/EdiComm32.h"

#include "core/edi/comm/EdiModule.h"
#include "core/edi/comm/EdiSettings.h"

namespace {

QString successText(EdiComm32::Kind kind)
{
    switch (kind) {
    case EdiComm32::Kind::Send:
        return QStringLiteral("송신 완료");
    case EdiComm32::Kind::Receive:
    case EdiComm32::Kind::ReReceive:
        return QStringLiteral("수신 완료");
    case EdiComm32::Kind::ResultReceive:
        return QStringLiteral("송수신 결과 파일 수신 완료");
    case EdiComm32::Kind::Setup:
        return QStringLiteral("정상 처리 되었습니다.");
    default:
        return {};
    }
}

QString nothingText(EdiComm32::Kind kind)
{
    switch (kind) {
    case EdiComm32::Kind::Receive:
    case EdiComm32::Kind::ReReceive:
    case EdiComm32::Kind::ResultReceive:
        return QStringLiteral("수신할 파일이 없습니다");
    case EdiComm32::Kind::Send:
        return QStringLiteral("송신할 파일이 없습니다");
    case EdiComm32::Kind::Setup:
        return QStringLiteral("취소되었습니다.");
    default:
        return {};
    }
}

QString failureText(EdiComm32::Kind kind, int code)
{
    switch (code) {
    case EdiCode::Stopped:
    case EdiCode::Aborted:
        return QStringLiteral("처리가 중단되었습니다");
    case EdiCode::PasswordFailed:
        return QStringLiteral("비밀번호 기능 이용시 비밀번호 입력 실패");
    case EdiCode::RegistryError:
        return QStringLiteral("프로그램 오류 발생 (Registry 관련)");
    case EdiCode::Compression:
        return QStringLiteral("송신 파일 압축 오류 발생");
    case EdiCode::Merge:
        return QStringLiteral("송신 파일 Merge 오류 발생");
    case EdiCode::HeaderCheck:
        return QStringLiteral("헤더 검사 오류 발생");
    case EdiCode::HeaderCreation:
        return QStringLiteral("헤더 생성 오류 발생");
    case EdiCode::DirectoryMissing:
        return QStringLiteral("디렉토리 설정이 되어 있지 않습니다");
    case EdiCode::UserIdMissing:
        return kind == EdiComm32::Kind::Receive ? QStringLiteral("수신 자료 처리중 오류 발생")
                                                : QStringLiteral("사용자 ID가 등록되어 있지 않습니다");
    default:
        return {};
    }
}

} // namespace

QString EdiComm32::resultText(Kind kind, int code)
{
    if (kind == Kind::None)
        return QStringLiteral("오류없음");
    QString text;
    if (code > 0)
        text = successText(kind);
    else if (code == 0)
        text = nothingText(kind);
    else
        text = failureText(kind, code);
    return text.isEmpty() ? QStringLiteral("?????") : text;
}

bool EdiComm32::record(int code)
{
    m_lastCode = code;
    return code > 0;
}

bool EdiComm32::envSetup()
{
    m_lastKind = Kind::Setup;
    return record(m_module.envSetup(EdiSettings::AppName));
}

bool EdiComm32::send()
{
    m_lastKind = Kind::Send;
    return record(m_module.send(EdiSettings::AppName));
}

bool EdiComm32::receive()
{
    m_lastKind = Kind::Receive;
    return record(m_module.receive(EdiSettings::AppName));
}

bool EdiComm32::reReceive()
{
    m_lastKind = Kind::ReReceive;
    return record(m_module.reReceive(EdiSettings::AppName));
}

bool EdiComm32::resultReceiveNoDlg()
{
    m_lastKind = Kind::ResultReceive;
    return record(m_module.resultReceiveNoDlg(EdiSettings::AppName));
}

bool EdiComm32::sendReceive(bool& sendOk, bool& receiveOk)
{
    m_lastKind = Kind::SendReceive;
    m_lastSendCode = -1;
    m_lastReceiveCode = -1;
    m_lastCode = m_module.sendReceive(EdiSettings::AppName, m_lastSendCode, m_lastReceiveCode);
    sendOk = m_lastSendCode >= 0;
    receiveOk = m_lastReceiveCode >= 0;
    const bool done = m_lastCode > 0 && (sendOk || receiveOk);
    if (!sendOk) {
        m_lastKind = Kind::Send;
        m_lastCode = m_lastSendCode;
    }
    if (!receiveOk) {
        m_lastKind = Kind::Receive;
        m_lastCode = m_lastReceiveCode;
    }
    return done;
}
