#include "ui/common/FieldEdit.h"

#include "core/common/Cp949.h"
#include "core/data/TableCatalogue.h"

#include <QAbstractSpinBox>
#include <QValidator>
#include <limits>

namespace {

int catalogueWidth(const QString& table, const QString& field)
{
    const TableDef* definition = TableCatalogue::instance().table(table);
    const FieldDef* fieldDef = definition ? definition->field(field) : nullptr;
    return fieldDef && fieldDef->width > 0 ? fieldDef->width : std::numeric_limits<int>::max();
}

// Refuses a text longer than the field in CP949 bytes, or with anything but digits; turns letters to upper case
// as they are typed.
class FieldValidator : public QValidator {
public:
    FieldValidator(int maxBytes, FieldEdit::Options options, QObject* parent)
        : QValidator(parent)
        , m_maxBytes(maxBytes)
        , m_options(options)
    {
    }

    State validate(QString& input, int&) const override
    {
        if (m_options.testFlag(FieldEdit::UpperCase))
            input = input.toUpper();
        if (m_options.testFlag(FieldEdit::DigitsOnly)) {
            for (const QChar c : input) {
                if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                    return Invalid;
            }
        }
        return Cp949::encode(input).size() <= m_maxBytes ? Acceptable : Invalid;
    }

private:
    int m_maxBytes;
    FieldEdit::Options m_options;
};

} // namespace

FieldEdit::FieldEdit(const QString& table, const QString& field, Options options, QWidget* parent)
    : FieldEdit(catalogueWidth(table, field), options, parent)
{
    setObjectName(QStringLiteral("ed") + field);
}

FieldEdit::FieldEdit(int maxBytes, Options options, QWidget* parent)
    : QLineEdit(parent)
    , m_maxBytes(maxBytes)
{
    setValidator(new FieldValidator(maxBytes, options, this));
    if (options.testFlag(Password))
        setEchoMode(QLineEdit::Password);
}

void FieldEdit::showOnly(QWidget* box)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setReadOnly(true);
    else if (auto* spin = qobject_cast<QAbstractSpinBox*>(box))
        spin->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    box->setPalette(palette);
}
