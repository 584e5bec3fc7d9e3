#pragma once

#include "common/Desktop.h"
#include "common/Messages.h"

#include <algorithm>
#include <vector>

// Seams for benchmarks: nothing is shown or opened, questions take their default.
class QuietMessages : public Messages {
public:
    void information(const QString&) override {}
    void error(const QString&) override {}
    bool question(const QString&, bool defaultYes) override { return defaultYes; }
    Button messageBox(const QString&, Buttons, Button defaultButton) override { return defaultButton; }
};

class NoDesktop : public Desktop {
public:
    bool openFile(const QString&) override { return false; }
    bool openUrl(const QUrl&) override { return false; }
};

template <class T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
