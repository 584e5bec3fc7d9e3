#pragma once

#include <QDialog>

#include <memory>

class FieldEdit;
class HolidayList;
class QDateEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class Workspace;

// "휴일 관리": the weekday holidays of a year as the office keeps them. The office adds its own days, takes days of
// the fixed lists away and gives them back; every change counts at once, in this program and in fbctl.
class TfmHoliday : public QDialog {
    Q_OBJECT
public:
    explicit TfmHoliday(Workspace& workspace, QWidget* parent = nullptr);
    ~TfmHoliday() override;

    static void execute(Workspace& workspace, QWidget* parent);

private:
    void showYear();
    void addDay();
    void removeSelected();
    void restoreSelected();
    QDate selectedDate() const;

    std::unique_ptr<HolidayList> m_list;
    QSpinBox* m_year;
    QTableWidget* m_days;
    QDateEdit* m_date;
    FieldEdit* m_name;
};
