#include "core/spreadsheet/ConversionProgress.h"

#include "core/common/Progress.h"

#include <QElapsedTimer>

namespace {

const QString Converting = QStringLiteral("자료 변환 중...현재 %1건 처리");
constexpr qint64 IntervalMs = 250;

QElapsedTimer& sinceStart()
{
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer;
}

} // namespace

ConversionProgress::ConversionProgress(Progress& progress)
    : m_progress(progress)
{
}

void ConversionProgress::show(int done)
{
    const qint64 now = sinceStart().elapsed();
    if (m_lastShown >= 0 && now - m_lastShown < IntervalMs)
        return;
    m_lastShown = now;
    m_progress.showMessage(Converting.arg(done));
}

void ConversionProgress::showFinal(int done)
{
    m_lastShown = sinceStart().elapsed();
    m_progress.showMessage(Converting.arg(done));
}

void ConversionProgress::close()
{
    m_progress.close();
}
