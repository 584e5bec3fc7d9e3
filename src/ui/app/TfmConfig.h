#pragma once

#include "core/app/ConfigSettings.h"

#include <QDialog>

class Workspace;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

// "사용 환경 설정": the S/W password, the start picture with the notice colours, and the account-number
// check, each on its own page; the menu shows exactly one of them.
class TfmConfig : public QDialog {
    Q_OBJECT
public:
    using Page = ConfigSettings::Page;

    explicit TfmConfig(Workspace& context, QWidget* parent = nullptr);

    // Shows the dialog on one page; true when 확인 stored the settings.
    static bool execute(Workspace& context, Page page, QWidget* parent = nullptr);

    // Activates the page, hides the tabs of the other two and puts the focus on its first field.
    void selectPage(Page page);
    Page page() const { return m_page; }

private:
    QWidget* buildPasswordPage();
    QWidget* buildScreenPage();
    QWidget* buildOtherPage();
    QLineEdit* addPasswordRow(QWidget* page, int row, const QString& caption, const QString& name);
    QLabel* addColorRow(QWidget* page, int row, const QString& caption, const QString& swatchName,
        const QString& buttonName, void (TfmConfig::*choose)());
    void showSettings();
    void chooseTextColor();
    void chooseBackColor();
    void chooseColor(QLabel* swatch);
    ConfigSettings::Entries entries() const;
    void confirm();

    ConfigSettings m_settings;
    Page m_page = Page::Password;
    QTabWidget* m_pages;
    QLineEdit* m_oldPassword = nullptr;
    QLineEdit* m_newPassword = nullptr;
    QLineEdit* m_confirmPassword = nullptr;
    QComboBox* m_imageNames = nullptr;
    QLabel* m_textColor = nullptr;
    QLabel* m_backColor = nullptr;
    QCheckBox* m_accountCheck = nullptr;
};
