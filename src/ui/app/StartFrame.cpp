#include "StartFrame.h"

#include "common/AppContext.h"
#include "common/AppInfo.h"
#include "common/ApplicationTitle.h"

#include <QLabel>

StartFrame::StartFrame(const AppContext& context)
{
    ApplicationTitle::set(AppInfo::fullTitle());
    setWindowTitle(AppInfo::fullTitle());
    auto* line = new QLabel(QStringLiteral("작업 폴더: ") + context.paths().programDir(), this);
    line->setAlignment(Qt::AlignCenter);
    setCentralWidget(line);
    resize(800, 600);
}
