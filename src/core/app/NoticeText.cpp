#include "core/app/NoticeText.h"

#include "core/common/Cp949.h"
#include "core/common/FirmSettings.h"
#include "core/common/WorkingPaths.h"

#include <QFile>
#include <QFileInfo>

namespace NoticeText {

QString noticeFile(const WorkingPaths& paths)
{
    return paths.programDir() + QStringLiteral("Result/Notice.inf");
}

QString compute(const WorkingPaths& paths, const FirmSettings& settings)
{
    QFile file(noticeFile(paths));
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return settings.notice();
    return fromDelivered(file.readAll(), QFileInfo(file).lastModified().date());
}

QString fromDelivered(const QByteArray& contents, const QDate& received)
{
    qsizetype lineEnd = 0;
    while (lineEnd < contents.size() && contents.at(lineEnd) != '\r' && contents.at(lineEnd) != '\n')
        ++lineEnd;
    const QByteArray firstLine = contents.left(lineEnd);
    const QString text = contents.isEmpty() ? QStringLiteral("내용 없음") : Cp949::decode(firstLine);
    const QString day
        = QStringLiteral("%1년 %2월 %3일 수신").arg(received.year()).arg(received.month()).arg(received.day());
    return text + QStringLiteral(" (") + day + QLatin1Char(')');
}

} // namespace NoticeText
