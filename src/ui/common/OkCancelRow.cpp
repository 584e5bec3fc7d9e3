#include "ui/common/OkCancelRow.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout* okCancelRow(QDialog* dialog, const std::function<void()>& confirm)
{
    auto* ok = new QPushButton(QStringLiteral(" 확 인"), dialog);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral(" 취 소"), dialog);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    QObject::connect(ok, &QPushButton::clicked, dialog, confirm);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}
