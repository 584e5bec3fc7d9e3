#include "core/edi/comm/EdiEnvironment.h"

#include "core/app/Workspace.h"
#include "core/common/IniFile.h"
#include "core/edi/comm/EdiComm32.h"
#include "core/edi/comm/EdiPassword.h"

#include <QDir>

EdiEnvironment::EdiEnvironment(Workspace& context)
    : m_context(context)
{
}

EdiSettings EdiEnvironment::settings() const
{
    const WorkingPaths& paths = m_context.paths();
    return EdiSettings(paths.registryFile(), paths.programDir());
}

bool EdiEnvironment::startUp() const
{
    const EdiSettings settings = this->settings();
    TEdiConfig config;
    settings.readStored(config);
    const bool written = settings.write(config);
    for (const QString& directory : settings.exchangeDirectories(config))
        QDir().mkpath(directory);
    return written;
}

bool EdiEnvironment::prepareWorkingPaths() const
{
    const EdiSettings settings = this->settings();
    TEdiConfig config;
    if (!settings.read(config))
        return false;
    m_context.paths().createDirectories();
    return settings.write(config) && refreshWorkingPaths();
}

bool EdiEnvironment::refreshWorkingPaths() const
{
    TEdiConfig config;
    if (!settings().read(config))
        return false;
    applyWorkingPaths(config);
    return true;
}

void EdiEnvironment::applyWorkingPaths(const TEdiConfig& config) const
{
    // An empty directory would make the root the send path, whose files a sending run deletes.
    const QStringList directories = settings().exchangeDirectories(config);
    m_context.paths().setExchangePaths(directories[0], directories[1], directories[2]);
    m_context.setLoginId(config.LoginID);
    m_context.setAccountNumberCheck(m_context.settings().accountNumberCheck());
}

bool EdiEnvironment::runSettingsDialog(EdiComm32& comm) const
{
    if (!comm.envSetup())
        return false;
    TEdiConfig config;
    if (!settings().read(config))
        return false;
    applyWorkingPaths(config);
    updateTerminalSettings(config);
    return true;
}

bool EdiEnvironment::updateTerminalSettings(const TEdiConfig& config) const
{
    const IniFile terminal(m_context.paths().terminalSettingsFile());
    const QString modem = QStringLiteral("Modem");
    const QString login = QStringLiteral("Login");
    return terminal.writeString(modem, QStringLiteral("Port"), config.Port)
        && terminal.writeString(modem, QStringLiteral("BaudRate"), config.Speed)
        && terminal.writeString(login, QStringLiteral("ID"), config.LoginID)
        && terminal.writeBytes(login, QStringLiteral("Password"), EdiPassword::clearForm(config.Password));
}
