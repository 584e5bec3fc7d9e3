#pragma once

#include <QtGlobal>

class Progress;

// "자료 변환 중...현재 %d건 처리" in the wait window while rows are converted: a few times a second, not once per row.
class ConversionProgress {
public:
    explicit ConversionProgress(Progress& progress);

    void show(int done);
    // The last count, shown whatever the time since the one before.
    void showFinal(int done);
    void close();

private:
    Progress& m_progress;
    qint64 m_lastShown = -1;
};
