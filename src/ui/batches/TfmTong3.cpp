#include "ui/batches/TfmTong3.h"

#include "ui/common/LazyTableModel.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TfmTong3::TfmTong3(const QList<TransferBatches::ResultLine>& lines, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fmTong3"));
    setWindowTitle(QStringLiteral("결과보기"));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("건   수"), this), 0, 1, Qt::AlignRight);
    grid->addWidget(new QLabel(QStringLiteral("금    액"), this), 0, 2, Qt::AlignRight);
    const QStringList rows { QStringLiteral("전  체"), QStringLiteral("중앙회"), QStringLiteral("회원조합"),
        QStringLiteral("타  행"), QStringLiteral("이체불능") };
    for (int row = 0; row < rows.size(); ++row) {
        const TransferBatches::ResultLine line = lines.value(row);
        grid->addWidget(new QLabel(rows.at(row), this), row + 1, 0);
        auto* count = new QLabel(LazyTableModel::countText(line.count), this);
        count->setObjectName(QStringLiteral("lblCount%1").arg(row));
        auto* amount = new QLabel(LazyTableModel::moneyText(line.amount.stored(), false), this);
        amount->setObjectName(QStringLiteral("lblAmount%1").arg(row));
        grid->addWidget(count, row + 1, 1, Qt::AlignRight);
        grid->addWidget(amount, row + 1, 2, Qt::AlignRight);
    }
    auto* ok = new QPushButton(QStringLiteral(" 확 인"), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}
