#include "core/edi/comm/EdiSettings.h"

#include "core/edi/comm/EdiPassword.h"

namespace {

struct TextField {
    const char* name;
    QString TEdiConfig::*member;
};

struct FlagField {
    const char* name;
    bool TEdiConfig::*member;
};

const TextField CommFields[] = {
    { "Connect1", &TEdiConfig::Connect1 },
    { "Connect2", &TEdiConfig::Connect2 },
    { "Phone1", &TEdiConfig::Phone1 },
    { "Phone2", &TEdiConfig::Phone2 },
    { "ModemInit", &TEdiConfig::ModemInit },
    { "Port", &TEdiConfig::Port },
    { "Protocol", &TEdiConfig::Protocol },
    { "Speed", &TEdiConfig::Speed },
};

// Password is a text value too, but kept as bytes; it is handled beside these.
const TextField UserInfoTexts[] = {
    { "LoginID", &TEdiConfig::LoginID },
    { "SendDir", &TEdiConfig::SendDir },
    { "RecvDir", &TEdiConfig::RecvDir },
    { "ResultDir", &TEdiConfig::ResultDir },
    { "ScriptDir", &TEdiConfig::ScriptDir },
};

const FlagField UserInfoFlags[] = {
    { "DeleteCheck", &TEdiConfig::DeleteCheck },
    { "AppendCheck", &TEdiConfig::AppendCheck },
    { "PasswordCheck", &TEdiConfig::PasswordCheck },
    { "ErrorCheck", &TEdiConfig::ErrorCheck },
    { "CompressCheck", &TEdiConfig::CompressCheck },
    { "ResultCheck", &TEdiConfig::ResultCheck },
    { "HeaderCheck", &TEdiConfig::HeaderCheck },
    { "HeaderValCheck", &TEdiConfig::HeaderValCheck },
    { "MessageCheck", &TEdiConfig::MessageCheck },
};

const QString Password = QStringLiteral("Password");

} // namespace

const QString EdiSettings::AppName = QStringLiteral("FBMorv.exe");

EdiSettings::EdiSettings(const QString& registryFile, const QString& programDir, const QString& appName)
    : m_registry(registryFile)
    , m_programDir(programDir)
    , m_appName(appName)
{
}

QString EdiSettings::commKey() const
{
    return QStringLiteral("Software/") + m_appName + QStringLiteral("/EdiComm32/Comm");
}

QString EdiSettings::userInfoKey() const
{
    return QStringLiteral("Software/") + m_appName + QStringLiteral("/EdiComm32/UserInfo");
}

QStringList EdiSettings::exchangeDirectories(const TEdiConfig& config) const
{
    const TEdiConfig fallback = defaults();
    return { TEdiConfig::directoryOr(config.SendDir, fallback.SendDir),
        TEdiConfig::directoryOr(config.RecvDir, fallback.RecvDir),
        TEdiConfig::directoryOr(config.ResultDir, fallback.ResultDir) };
}

bool EdiSettings::read(TEdiConfig& config) const
{
    config = defaults();
    return readComm(config) && readUserInfo(config);
}

void EdiSettings::readStored(TEdiConfig& config) const
{
    config = defaults();
    readComm(config);
    readUserInfo(config);
}

bool EdiSettings::readComm(TEdiConfig& config) const
{
    if (!m_registry.keyExists(commKey()))
        return false;
    for (const TextField& field : CommFields)
        config.*field.member
            = m_registry.readString(commKey(), QLatin1String(field.name)).value_or(config.*field.member);
    return true;
}

bool EdiSettings::readUserInfo(TEdiConfig& config) const
{
    const QString key = userInfoKey();
    if (!m_registry.keyExists(key))
        return false;
    for (const TextField& field : UserInfoTexts)
        config.*field.member = m_registry.readString(key, QLatin1String(field.name)).value_or(config.*field.member);
    if (const std::optional<QString> password = m_registry.readString(key, Password))
        config.Password = EdiPassword::fromRegistryText(*password);
    for (const FlagField& field : UserInfoFlags) {
        if (const std::optional<int> value = m_registry.readInteger(key, QLatin1String(field.name)))
            config.*field.member = *value != 0;
    }
    return true;
}

bool EdiSettings::write(const TEdiConfig& config) const
{
    Registry::Values comm;
    for (const TextField& field : CommFields)
        comm.append({ QLatin1String(field.name), config.*field.member });
    Registry::Values userInfo;
    for (const TextField& field : UserInfoTexts)
        userInfo.append({ QLatin1String(field.name), config.*field.member });
    userInfo.append({ Password, EdiPassword::toRegistryText(config.Password) });
    for (const FlagField& field : UserInfoFlags)
        userInfo.append({ QLatin1String(field.name), config.*field.member ? 1 : 0 });
    return m_registry.write(commKey(), comm) && m_registry.write(userInfoKey(), userInfo);
}

QString EdiSettings::readLoginId() const
{
    return m_registry.readString(userInfoKey(), QStringLiteral("LoginID")).value_or(QString());
}

int EdiSettings::comType() const
{
    return m_registry.readInteger(commKey(), QStringLiteral("COM-TYPE")).value_or(NoComType);
}

bool EdiSettings::markAppType() const
{
    const QString name = QStringLiteral("AppTypeCode");
    if (!m_registry.keyExists(userInfoKey()) || m_registry.hasValue(userInfoKey(), name))
        return false;
    return m_registry.write(userInfoKey(), { { name, QStringLiteral("TRB") } });
}
