#pragma once

#include <QString>
#include <QStringList>

class Workspace;

// The error report of an import: every rejected line with its reason in <home>Temp/Error.txt, then the
// offer to open that file.
class ErrorReport {
public:
    static constexpr const char* Separator = "   오류 : ";

    explicit ErrorReport(const Workspace& context)
        : m_context(context)
    {
    }

    QString fileName() const;
    // Line i is followed by reason i. Saves the file (replacing it) and asks whether to open it; false when
    // the file cannot be saved, which is reported and not asked about.
    bool show(const QStringList& lines, const QStringList& reasons) const;

private:
    bool save(const QStringList& lines, const QStringList& reasons) const;

    const Workspace& m_context;
};
