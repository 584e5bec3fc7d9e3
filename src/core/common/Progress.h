#pragma once

#include <QString>

// The shared wait window of long operations.
class Progress {
public:
    virtual ~Progress() = default;

    virtual void showMessage(const QString& text) = 0;
    virtual void showProgress(const QString& text, int first, int last, bool showCounts) = 0;
    virtual void step() = 0;
    virtual void hideForAMoment() = 0;
    virtual void showAgain() = 0;
    virtual void close() = 0;
};

// For work without a window: nothing to show.
class NullProgress : public Progress {
public:
    void showMessage(const QString&) override { }
    void showProgress(const QString&, int, int, bool) override { }
    void step() override { }
    void hideForAMoment() override { }
    void showAgain() override { }
    void close() override { }
};
