#include "ui/app/TfmAbout.h"

#include "ui/app/MainArtwork.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfmAbout::TfmAbout(const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("fmAbout"));
    setWindowTitle(caption);
    QFont font(QStringLiteral("NanumGothic"));
    font.setPixelSize(13);
    setFont(font);

    auto* iconFrame = new QFrame(this);
    iconFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    iconFrame->setFixedSize(46, 44);
    auto* icon = new QLabel(iconFrame);
    icon->setPixmap(MainArtwork::applicationIcon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignCenter);
    auto* iconLayout = new QVBoxLayout(iconFrame);
    iconLayout->setContentsMargins(0, 0, 0, 0);
    iconLayout->addWidget(icon);

    auto* title = new QLabel(QStringLiteral("테온 미르솔 펌뱅킹 서비스"), this);
    auto* law = new QLabel(QStringLiteral("<전금법 가능>"), this);
    law->setTextFormat(Qt::PlainText);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(title);
    texts->addWidget(law);

    auto* ok = new QPushButton(QStringLiteral("  확 인"), this);
    ok->setObjectName(QStringLiteral("bbnOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 9, 10, 9);
    layout->setSpacing(10);
    layout->addWidget(iconFrame);
    layout->addLayout(texts, 1);
    layout->addWidget(ok, 0, Qt::AlignVCenter);
    setFixedSize(356, 63);
}
