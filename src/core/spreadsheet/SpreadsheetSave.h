#pragma once

#include <QString>
#include <functional>

class SpreadsheetWriter;
class Workspace;

// Where a screen's export goes: the lists hold resident numbers, so the user chooses the file; the workbook is
// written there and opened on the desktop, or, when nothing opens it, a box names where it is.
class SpreadsheetSave {
public:
    using Write = std::function<bool(SpreadsheetWriter& writer, const QString& path)>;

    // True when the workbook was written; false when the user cancelled or the writing failed (and said why).
    static bool run(Workspace& context, const QString& suggestedName, const Write& write);
};
