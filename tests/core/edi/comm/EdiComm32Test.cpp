#include "core/edi/comm/EdiComm32.h"
#include "FakeEdiModule.h"

#include <gtest/gtest.h>

using Kind = EdiComm32::Kind;

namespace {

struct TextCase {
    Kind kind;
    int code;
    const char* text;
};

} // namespace

TEST(EdiComm32, ResultTextCoversEveryRowOfTheTable)
{
    const TextCase cases[] = {
        { Kind::None, 5, "오류없음" },
        { Kind::None, -20, "오류없음" },
        { Kind::Send, 1, "송신 완료" },
        { Kind::Receive, 2, "수신 완료" },
        { Kind::ReReceive, 7, "수신 완료" },
        { Kind::ResultReceive, 1, "송수신 결과 파일 수신 완료" },
        { Kind::Setup, 1, "정상 처리 되었습니다." },
        { Kind::Receive, 0, "수신할 파일이 없습니다" },
        { Kind::ReReceive, 0, "수신할 파일이 없습니다" },
        { Kind::ResultReceive, 0, "수신할 파일이 없습니다" },
        { Kind::Send, 0, "송신할 파일이 없습니다" },
        { Kind::Setup, 0, "취소되었습니다." },
        { Kind::Send, -1, "처리가 중단되었습니다" },
        { Kind::SendReceive, -999, "처리가 중단되었습니다" },
        { Kind::Receive, -888, "비밀번호 기능 이용시 비밀번호 입력 실패" },
        { Kind::Setup, -777, "프로그램 오류 발생 (Registry 관련)" },
        { Kind::Send, -60, "송신 파일 압축 오류 발생" },
        { Kind::Send, -50, "송신 파일 Merge 오류 발생" },
        { Kind::Send, -40, "헤더 검사 오류 발생" },
        { Kind::Send, -30, "헤더 생성 오류 발생" },
        { Kind::ReReceive, -20, "디렉토리 설정이 되어 있지 않습니다" },
        { Kind::Receive, -10, "수신 자료 처리중 오류 발생" },
        { Kind::ReReceive, -10, "사용자 ID가 등록되어 있지 않습니다" },
        { Kind::Send, -10, "사용자 ID가 등록되어 있지 않습니다" },
        { Kind::SendReceive, 1, "?????" },
        { Kind::SendReceive, 0, "?????" },
        { Kind::Send, -5, "?????" },
        { Kind::Receive, -11, "?????" },
    };
    for (const TextCase& row : cases) {
        EXPECT_EQ(EdiComm32::resultText(row.kind, row.code), QString::fromUtf8(row.text))
            << "kind " << static_cast<int>(row.kind) << " code " << row.code;
    }
}

TEST(EdiComm32, EachWrapperRecordsItsKindAndCodeAndSucceedsAboveZero)
{
    struct WrapperCase {
        bool (EdiComm32::*call)();
        int FakeEdiModule::*code;
        Kind kind;
        const char* nothingText;
    };
    const WrapperCase cases[] = {
        { &EdiComm32::send, &FakeEdiModule::sendCode, Kind::Send, "송신할 파일이 없습니다" },
        { &EdiComm32::receive, &FakeEdiModule::receiveCode, Kind::Receive, "수신할 파일이 없습니다" },
        { &EdiComm32::reReceive, &FakeEdiModule::reReceiveCode, Kind::ReReceive, "수신할 파일이 없습니다" },
        { &EdiComm32::resultReceiveNoDlg, &FakeEdiModule::resultCode, Kind::ResultReceive, "수신할 파일이 없습니다" },
        { &EdiComm32::envSetup, &FakeEdiModule::setupCode, Kind::Setup, "취소되었습니다." },
    };
    for (const WrapperCase& row : cases) {
        FakeEdiModule module;
        EdiComm32 comm(module);
        EXPECT_EQ(comm.lastKind(), Kind::None);
        EXPECT_EQ(comm.resultText(), QStringLiteral("오류없음"));

        module.*row.code = 3;
        EXPECT_TRUE((comm.*row.call)());
        EXPECT_EQ(comm.lastKind(), row.kind);
        EXPECT_EQ(comm.lastCode(), 3);
        EXPECT_EQ(module.appName, QStringLiteral("FBMorv.exe"));

        module.*row.code = 0;
        EXPECT_FALSE((comm.*row.call)());
        EXPECT_EQ(comm.resultText(), QString::fromUtf8(row.nothingText));
    }
}

TEST(EdiComm32, SendReceiveHandsBackTheSidesAndCorrectsTheKind)
{
    struct SideCase {
        int sendSide;
        int receiveSide;
        int overall;
        bool result;
        bool sendOk;
        bool receiveOk;
        Kind kind;
        int code;
        const char* text;
    };
    const SideCase cases[] = {
        { -20, 3, 1, true, false, true, Kind::Send, -20, "디렉토리 설정이 되어 있지 않습니다" },
        { -1, -1, -1, false, false, false, Kind::Receive, -1, "처리가 중단되었습니다" },
        { 2, -10, 1, true, true, false, Kind::Receive, -10, "수신 자료 처리중 오류 발생" },
        { 2, 3, 1, true, true, true, Kind::SendReceive, 1, "?????" },
        { 2, 3, 0, false, true, true, Kind::SendReceive, 0, "?????" },
    };
    for (const SideCase& row : cases) {
        FakeEdiModule module;
        module.sendSideCode = row.sendSide;
        module.receiveSideCode = row.receiveSide;
        module.overallCode = row.overall;
        EdiComm32 comm(module);
        bool sendOk = !row.sendOk;
        bool receiveOk = !row.receiveOk;
        EXPECT_EQ(comm.sendReceive(sendOk, receiveOk), row.result) << row.sendSide << "/" << row.receiveSide;
        EXPECT_EQ(sendOk, row.sendOk);
        EXPECT_EQ(receiveOk, row.receiveOk);
        EXPECT_EQ(comm.lastKind(), row.kind);
        EXPECT_EQ(comm.lastCode(), row.code);
        EXPECT_EQ(comm.resultText(), QString::fromUtf8(row.text));
    }
}

TEST(EdiComm32, SendReceiveSidesStartAsFailedWhenTheModuleLeavesThem)
{
    FakeEdiModule module;
    module.setsSides = false;
    EdiComm32 comm(module);
    bool sendOk = true;
    bool receiveOk = true;
    EXPECT_FALSE(comm.sendReceive(sendOk, receiveOk));
    EXPECT_FALSE(sendOk);
    EXPECT_FALSE(receiveOk);
    EXPECT_EQ(comm.lastKind(), Kind::Receive);
    EXPECT_EQ(comm.lastCode(), -1);
}
