#pragma once

#include <QMainWindow>

class AppContext;

// Stands in for the main window until it exists: carries the full title and shows which home is in use.
class StartFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit StartFrame(const AppContext& context);
};
