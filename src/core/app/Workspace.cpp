#include "core/app/Workspace.h"

#include "core/common/Messages.h"
#include "core/data/TDM1.h"

Workspace::Workspace(const WorkingPaths& paths, const Seams& seams)
    : m_paths(paths)
    , m_seams(seams)
    , m_data(std::make_unique<TDM1>(*this))
    , m_accountNumberCheck(settings().accountNumberCheck())
{
    m_printOptions.fileName = m_paths.programDir() + QStringLiteral("FbMorv.txt");
}

Workspace::~Workspace() = default;

Database& Workspace::database() const
{
    return m_data->database();
}

void Workspace::reportError(const QString& text) const
{
    log().append(text, true);
    m_seams.messages.error(text);
}
