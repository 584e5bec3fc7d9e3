#pragma once

#include <QLineEdit>

// A text box for one field of a table: it takes at most as many CP949 bytes as the catalogue gives the field, so
// that what is typed always fits what is stored. Options turn typing to upper case, refuse anything but digits, or
// hide the text.
class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    enum Option { Plain = 0, UpperCase = 1, DigitsOnly = 2, Password = 4 };
    Q_DECLARE_FLAGS(Options, Option)

    // The width comes from the catalogue's field; a box of a field it does not know takes any length. The box is
    // named "ed" and the field.
    FieldEdit(const QString& table, const QString& field, Options options = Plain, QWidget* parent = nullptr);
    // A box of a given width in bytes.
    FieldEdit(int maxBytes, Options options, QWidget* parent = nullptr);

    int maxBytes() const { return m_maxBytes; }

    // A box (line or spin box) that only shows a value: read-only, painted in the window's colour, and passed over by
    // Tab; a click still focuses it for copying.
    static void showOnly(QWidget* box);

private:
    int m_maxBytes;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(FieldEdit::Options)
