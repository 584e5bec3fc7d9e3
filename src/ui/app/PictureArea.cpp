#include "ui/app/PictureArea.h"

#include "ui/app/PictureButton.h"
#include "ui/app/WebNoticePanel.h"

#include <QPainter>

namespace {
struct ButtonSpec {
    const char* title;
    const char* subtitle;
    MainArtwork::Glyph glyph;
    QColor accent;
    const char* hint;
    bool visible;
};

const int HintDurationMs = 30000;
const int Columns = 3;
const QPoint GridOrigin(24, 132);
const QSize GridStep(168, 116);

QList<ButtonSpec> buttonSpecs()
{
    using MainArtwork::Glyph;
    const QColor blue(0x25, 0x6f, 0xc4), green(0x1f, 0x8a, 0x70), violet(0x6b, 0x5b, 0xc0), amber(0xc9, 0x7a, 0x1c),
        slate(0x4a, 0x5d, 0x70), red(0xb2, 0x3a, 0x3a);
    return {
        { "대량 입금", "모계좌에서 일괄 이체", Glyph::Deposit, blue,
            "기업체 모계좌에서 거래대상자의 계좌로 일괄이체하는 서비스", true },
        { "대량 출금", "수납대금 일괄 자동이체", Glyph::Withdrawal, blue,
            "대상자의 계좌에서 각종 수납대금을 출금하여\r\n기업체의 수납모계좌로 일괄 자동이체 처리하는 서비스", true },
        { "아파트 뱅킹", "관리비 일괄 자동이체", Glyph::Apartment, green,
            "아파트 주민계좌에서 출금하여 관리사무소\r\n수납계좌로 일괄 자동 이체 처리하는서비스", true },
        { "CMS 자금수납", "집금계좌 입금 내역", Glyph::Collection, violet,
            "기업체의 집금계좌(CMS계좌)에 입금된 \r\n거래내역(입금자성명,  거래처코드, 주민번호, 금액등)을 \r\n기업체 "
            "PC에 "
            "전송해주는 서비스",
            true },
        { "받을어음", "수탁어음 내역", Glyph::Notes, violet,
            "테온의 전영업점이 수탁받은 기업의 수탁어음 내역을\r\n기업체 PC로 전송해주는 서비스", false },
        { "통장 거래내역", "일반계좌 입출금 내역", Glyph::Passbook, violet,
            "기업체가 지정한 통장(일반계좌)의 \r\n입출금 거래내역을 전송해주는 서비스", true },
        { "PC뱅킹", "PC뱅킹 바로 접속", Glyph::Terminal, slate,
            "테온 PC뱅킹 서비스를 아이콘 클릭 한번으로 접속할수 있는 기능", false },
        { "송수신", "이체자료 송신 · 결과 수신", Glyph::Exchange, amber,
            "단위 업무별로 작성된 이체자료를\r\n은행에 송신하고 기존 송신자료의 결과를 수신", true },
        { "종료", "", Glyph::Exit, red, "프로그램 종료", true },
    };
}
} // namespace

PictureArea::PictureArea(Desktop& desktop, NoticeSource& notices, QWidget* parent)
    : QWidget(parent)
    , m_noticePanel(new WebNoticePanel(desktop, notices, this))
{
    setObjectName(QStringLiteral("ClientScrollBox"));
    createButtons();
}

void PictureArea::createButtons()
{
    const QList<ButtonSpec> specs = buttonSpecs();
    for (int index = 0; index < specs.size(); ++index) {
        const ButtonSpec& spec = specs.at(index);
        const bool isExit = index == ButtonCount - 1;
        auto* button = new PictureButton(
            { QString::fromUtf8(spec.title), QString::fromUtf8(spec.subtitle), spec.glyph, spec.accent },
            isExit ? PictureButton::Shape::Bar : PictureButton::Shape::Tile, this);
        button->setObjectName(QStringLiteral("DSBButton%1").arg(index + 1));
        button->setToolTip(QString::fromUtf8(spec.hint).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        button->setToolTipDuration(HintDurationMs);
        button->setVisible(spec.visible);
        m_buttons << button;
    }
}

void PictureArea::arrange()
{
    int slot = 0;
    for (int index = 0; index < ButtonCount - 1; ++index) {
        PictureButton* tile = m_buttons.at(index);
        if (tile->isHidden())
            continue;
        tile->move(GridOrigin + QPoint(slot % Columns * GridStep.width(), slot / Columns * GridStep.height()));
        ++slot;
    }
    PictureButton* exit = m_buttons.last();
    const int gridRight = GridOrigin.x() + (Columns - 1) * GridStep.width() + m_buttons.first()->width();
    exit->move(gridRight - exit->width(), height() - exit->height() - 14);
    m_noticePanel->setGeometry(width() - WebNoticePanel::Width, 0, WebNoticePanel::Width, height());
}

void PictureArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    MainArtwork::paintBackground(painter, rect());
}

void PictureArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    arrange();
}
