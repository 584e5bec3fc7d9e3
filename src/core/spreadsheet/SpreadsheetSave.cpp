#include "core/spreadsheet/SpreadsheetSave.h"

#include "core/app/Workspace.h"
#include "core/common/Desktop.h"
#include "core/common/FileDialogs.h"
#include "core/common/Messages.h"
#include "core/common/Progress.h"
#include "core/spreadsheet/SpreadsheetWriter.h"

bool SpreadsheetSave::run(Workspace& context, const QString& suggestedName, const Write& write)
{
    const QString path = context.fileDialogs().saveFile(context.paths().programDir() + suggestedName);
    if (path.isEmpty())
        return false;
    SpreadsheetWriter writer(context.progress());
    const bool written = write(writer, path);
    context.progress().close();
    if (!written) {
        context.messages().error(writer.errorString());
        return false;
    }
    if (!context.desktop().openFile(path))
        context.messages().information(QStringLiteral("엑셀 파일을 저장했습니다.\r%1").arg(path));
    return true;
}
