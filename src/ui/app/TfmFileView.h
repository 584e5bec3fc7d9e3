#pragma once

#include "core/app/PlainTextFile.h"

#include <QDialog>
#include <QPrinter>

class Workspace;
class QPlainTextEdit;
class QToolBar;
class QToolButton;

// The memo viewer: a plain-text editor for any file ("메모 화일 편집") and the read-only viewer of the
// delivered notice file ("공지 사항 보기"). 출 력 is enabled exactly while a file name is set, 저 장
// exactly while the text holds unsaved changes.
class TfmFileView : public QDialog {
    Q_OBJECT
public:
    explicit TfmFileView(Workspace& context, QWidget* parent = nullptr);

    // Notice mode: read-only, wrapped, on the given file.
    void openNotice(const QString& file);

    const QString& fileName() const { return m_fileName; }
    bool isReadOnlyMode() const { return m_readOnly; }
    QPlainTextEdit* memo() const { return m_memo; }
    QToolButton* button(const QString& name) const;

    void chooseFile();
    void chooseFont();
    void setUpPrinter();
    void print();
    void save();

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QToolButton* addButton(const QString& name, const QString& caption, const QIcon& icon);
    void buildToolBar(QToolBar* toolBar);
    void applyFirstActivation();
    bool loadFile(const QString& file);
    void showLoaded();
    void showEmpty();
    void updateButtons();
    bool mayDiscardChanges();

    Workspace& m_context;
    QPlainTextEdit* m_memo;
    QToolButton* m_openButton = nullptr;
    QToolButton* m_printButton = nullptr;
    QToolButton* m_saveButton = nullptr;
    PlainTextFile m_file;
    QPrinter m_printer;
    QString m_fileName;
    bool m_readOnly = false;
    bool m_wordWrap = false;
    bool m_activated = false;
    bool m_closing = false;
};
