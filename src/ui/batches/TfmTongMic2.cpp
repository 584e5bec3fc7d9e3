#include "ui/batches/TfmTongMic2.h"

#include "ui/common/LazyTableModel.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

TfmTongMic2::TfmTongMic2(const TransferItems::FailedItems& failed, QWidget* parent)
    : QDialog(parent)
    , m_table(new QTableWidget(static_cast<int>(failed.rows.size()), 6, this))
{
    setObjectName(QStringLiteral("fmTongMic2"));
    setWindowTitle(QStringLiteral("이체 불능 자료 내역"));
    m_table->setObjectName(QStringLiteral("grdFailed"));
    m_table->setHorizontalHeaderLabels(
        { QStringLiteral("은 행 명"), QStringLiteral("계 좌 번 호"), QStringLiteral("성  명"),
            QStringLiteral("납부자 번호"), QStringLiteral("이체 금액"), QStringLiteral("이체 불능 사유") });
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < failed.rows.size(); ++row) {
        const TransferItems::Row& item = failed.rows.at(row);
        const QStringList cells { item.bankName, item.displayAccount, item.item.name, item.item.payerNumber,
            LazyTableModel::moneyText(item.item.amount.stored(), false), item.resultName };
        for (int column = 0; column < cells.size(); ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
        m_table->item(row, 4)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    m_table->resizeColumnsToContents();

    auto* layout = new QVBoxLayout(this);
    auto* counts = new QLabel(
        QStringLiteral("의뢰건수 %1, 불능건수 %2")
            .arg(LazyTableModel::countText(failed.requested), LazyTableModel::countText(failed.rows.size())),
        this);
    counts->setObjectName(QStringLiteral("lblCounts"));
    layout->addWidget(counts);
    layout->addWidget(m_table);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (const auto& [name, caption] : { std::pair { "btnOk", " 확 인" }, std::pair { "btnCancel", " 취 소" } }) {
        auto* button = new QPushButton(QString::fromUtf8(caption), this);
        button->setObjectName(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, this, &QDialog::accept);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    resize(760, 420);
}
