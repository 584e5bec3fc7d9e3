#include "ui/exchange/TfmRegisterPreview.h"

#include "core/spreadsheet/SpreadsheetSave.h"
#include "core/spreadsheet/SpreadsheetSources.h"
#include "core/spreadsheet/SpreadsheetWriter.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {

QWidget* advice(QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* lines = new QVBoxLayout(box);
    for (const char* text : { "출금동의 안된 이체자료는 출금이체 은행 송신시,", "출금이체 실패가 됩니다.",
             "먼저 출금동의 신청을 작성 하시고, 송신하세요", "출금동의 안된 이체자료가 목록에 있으면 안됩니다.",
             "출금동의 처리시간(신청후->결과수신)은 최대 2일 소요될 수 있습니다.",
             " ( 2008/1~2월은 출금동의 신청없이 출금이체 가능합니다)",
             "출금동의신청은 하루에 한번 18시 이전에 송신하시면 됩니다(최초 1회)" })
        lines->addWidget(new QLabel(QString::fromUtf8(text), box));
    return box;
}

QTableWidget* listOf(const QList<ItemConsents::Missing>& items, QWidget* parent)
{
    auto* table = new QTableWidget(static_cast<int>(items.size()), 4, parent);
    table->setObjectName(QStringLiteral("grdItems"));
    table->setHorizontalHeaderLabels({ QStringLiteral("기관코드"), QStringLiteral("은행코드"),
        QStringLiteral("계좌번호"), QStringLiteral("납부자번호") });
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < items.size(); ++row) {
        const ItemConsents::Missing& item = items.at(row);
        const QStringList cells { item.institution, item.bankCode, item.account, item.payerNumber };
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    return table;
}

} // namespace

TfmRegisterPreview::TfmRegisterPreview(const QList<ItemConsents::Missing>& items, Workspace* workspace, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fmRegisterPreview"));
    setWindowTitle(QStringLiteral("출금동의 안된 자료 목록"));
    auto* list = new QGroupBox(QStringLiteral("출금동의 안된 목록"), this);
    auto* listLayout = new QVBoxLayout(list);
    listLayout->addWidget(listOf(items, list));
    auto* count = new QLabel(QStringLiteral("출금동의등록이 안된 자료(건):%1").arg(items.size()), this);
    count->setObjectName(QStringLiteral("lblCount"));
    auto* send = new QPushButton(QStringLiteral("송신"), this);
    send->setObjectName(QStringLiteral("btnSend"));
    auto* cancel = new QPushButton(QStringLiteral("취소"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    auto* excel = new QPushButton(QStringLiteral("엑셀로 저장"), this);
    excel->setObjectName(QStringLiteral("btnExcel"));
    excel->setEnabled(workspace != nullptr);
    connect(excel, &QPushButton::clicked, this, [workspace] {
        SpreadsheetSave::run(*workspace, QStringLiteral("출금동의등록이 안된 목록.xlsx"),
            [workspace](SpreadsheetWriter& writer, const QString& path) {
                SpreadsheetRowList rows = SpreadsheetSources::unconsentedItems(*workspace);
                return writer.exportQuery(
                    SpreadsheetWriter::UnconsentedItemsLayout, {}, rows, SpreadsheetSources::unconsentedTitle(), path);
            });
    });
    connect(send, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(count, 1);
    buttons->addWidget(excel);
    buttons->addWidget(send);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(advice(this));
    layout->addWidget(list, 1);
    layout->addLayout(buttons);
    resize(620, 520);
}

bool TfmRegisterPreview::confirm(const QList<ItemConsents::Missing>& items, Workspace& workspace, QWidget* parent)
{
    TfmRegisterPreview preview(items, &workspace, parent);
    return preview.exec() == QDialog::Accepted;
}
