#pragma once

#include <QDate>
#include <QString>

class FirmSettings;
class WorkingPaths;

// The notice line: what the network last delivered in Result/Notice.inf, else the configured notice.
namespace NoticeText {

QString noticeFile(const WorkingPaths& paths);
QString compute(const WorkingPaths& paths, const FirmSettings& settings);
// The first line of the delivered text, or "내용 없음", followed by the day it was received.
QString fromDelivered(const QByteArray& contents, const QDate& received);

} // namespace NoticeText
