#include "ui/common/SearchButtons.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

QLayout* searchButtons(QDialog* dialog, const std::function<void(bool fromStart)>& search)
{
    auto* first = new QPushButton(QStringLiteral(" 처음부터"), dialog);
    first->setObjectName(QStringLiteral("btnFirst"));
    auto* next = new QPushButton(QStringLiteral(" 계속검색"), dialog);
    next->setObjectName(QStringLiteral("btnNext"));
    auto* close = new QPushButton(QStringLiteral(" 닫  기"), dialog);
    QObject::connect(first, &QPushButton::clicked, dialog, [search] { search(true); });
    QObject::connect(next, &QPushButton::clicked, dialog, [search] { search(false); });
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(first);
    buttons->addWidget(next);
    buttons->addWidget(close);
    return buttons;
}
