#pragma once

#include <QDialog>

// The about box: the program's title and icon.
class TfmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfmAbout(const QString& caption, QWidget* parent = nullptr);
};
