#include "core/common/ErrorReport.h"

#include "core/app/Workspace.h"
#include "core/common/Cp949.h"
#include "core/common/Desktop.h"
#include "core/common/Messages.h"

#include <QDir>
#include <QSaveFile>

QString ErrorReport::fileName() const
{
    return m_context.paths().tempDir() + QStringLiteral("Error.txt");
}

bool ErrorReport::save(const QStringList& lines, const QStringList& reasons) const
{
    QDir().mkpath(m_context.paths().tempDir());
    QSaveFile file(fileName());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (int i = 0; i < lines.size(); ++i)
        file.write(Cp949::encode(lines.at(i) + QString::fromUtf8(Separator) + reasons.value(i)) + "\r\n");
    return file.flush() && file.commit();
}

bool ErrorReport::show(const QStringList& lines, const QStringList& reasons) const
{
    if (!save(lines, reasons)) {
        m_context.reportError(QStringLiteral("오류 내역 파일 \"%1\"을(를) 저장할 수 없습니다.").arg(fileName()));
        return false;
    }
    const QString question = QStringLiteral("총 %1 건의 자료에서 오류가 발견되었습니다.\r오류 내역은 파일 \"%2\" 에 "
                                            "저장되었습니다.\r\r오류 내역 파일을 열람하시겠습니까?")
                                 .arg(QString::number(lines.size()), fileName());
    if (m_context.messages().question(question, false))
        m_context.desktop().openFile(fileName());
    return true;
}
