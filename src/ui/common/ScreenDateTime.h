#pragma once

#include <QDateEdit>
#include <QDateTime>
#include <QString>

// Dates and times as every screen shows them, in the Korean formats whatever the system locale is:
// "2026-12-10", "오후 5:16:32".
namespace ScreenDateTime {
QString date(const QDate& date);
QString time(const QTime& time);
QString dateTime(const QDateTime& dateTime);
} // namespace ScreenDateTime

// A date box whose Tab leaves for the next field, not the next of year, month and day (the arrow keys and typing
// walk those).
class ScreenDateEdit : public QDateEdit {
    Q_OBJECT
public:
    explicit ScreenDateEdit(QWidget* parent = nullptr)
        : QDateEdit(parent)
    {
    }

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};
