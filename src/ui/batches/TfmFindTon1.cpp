#include "ui/batches/TfmFindTon1.h"

#include "core/batches/BatchSearch.h"
#include "core/common/Messages.h"
#include "ui/common/LazyTableModel.h"
#include "ui/common/SearchButtons.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QTableView>

namespace {

// The columns of the batch list that the search reads.
constexpr int InstitutionColumn = 0;
constexpr int TransferDateColumn = 3;

} // namespace

TfmFindTon1::TfmFindTon1(const QList<std::pair<QString, QString>>& institutions, QTableView* grid,
    LazyTableModel* model, Messages& messages, QWidget* parent)
    : QDialog(parent)
    , m_grid(grid)
    , m_model(model)
    , m_messages(messages)
    , m_institution(new QComboBox(this))
    , m_from(new QLineEdit(this))
    , m_to(new QLineEdit(this))
{
    setObjectName(QStringLiteral("fmFindTon1"));
    setWindowTitle(QStringLiteral("검색"));
    m_institution->setObjectName(QStringLiteral("cbInstitution"));
    m_institution->addItem(QString(), QString());
    for (const auto& [code, name] : institutions)
        m_institution->addItem(name, code);
    m_from->setObjectName(QStringLiteral("edFrom"));
    m_to->setObjectName(QStringLiteral("edTo"));
    for (QLineEdit* box : { m_from, m_to })
        box->setPlaceholderText(QStringLiteral("YYYY-MM-DD"));
    auto* dates = new QHBoxLayout;
    dates->addWidget(m_from);
    dates->addWidget(m_to);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("기 관 명"), m_institution);
    form->addRow(QStringLiteral("이체일자"), dates);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(searchButtons(this, [this](bool fromStart) { search(fromStart); }));
}

bool TfmFindTon1::readDate(QLineEdit* box, QDate& date)
{
    const QString text = box->text().trimmed();
    date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (text.isEmpty() || date.isValid())
        return true;
    m_messages.information(QStringLiteral("검색 조건으로 입력된 일자 데이타가 적합하지 않습니다."));
    box->setFocus();
    return false;
}

bool TfmFindTon1::search(bool fromStart)
{
    BatchSearch wanted;
    wanted.institution = m_institution->currentData().toString();
    if (!readDate(m_from, wanted.from) || !readDate(m_to, wanted.to))
        return false;
    int row = fromStart ? 0 : m_grid->currentIndex().row() + 1;
    for (;; ++row) {
        while (row >= m_model->rowCount() && m_model->canFetchMore({}))
            m_model->fetchMore({});
        if (row >= m_model->rowCount())
            break;
        const QVariantList values = m_model->rawRow(row);
        if (wanted.matches(values.value(InstitutionColumn).toString(),
                QDate::fromString(values.value(TransferDateColumn).toString(), Qt::ISODate))) {
            m_grid->setCurrentIndex(m_model->index(row, 0));
            return true;
        }
    }
    if (m_model->rowCount() > 0)
        m_grid->setCurrentIndex(m_model->index(m_model->rowCount() - 1, 0));
    m_messages.information(fromStart ? QStringLiteral("조건에 해당하는 자료가 없습니다.")
                                     : QStringLiteral("더이상 조건에 해당하는 자료가 없습니다."));
    return false;
}
