#include "core/edi/comm/TEdiConfig.h"

const QString TEdiConfig::PrimaryAccessNumber = QStringLiteral("01450");
const QString TEdiConfig::SecondaryAccessNumber = QStringLiteral("01451");

TEdiConfig TEdiConfig::defaults(const QString& programDir)
{
    TEdiConfig config;
    config.Connect1 = PrimaryAccessNumber + QStringLiteral("망");
    config.Connect2 = QStringLiteral("DNS망");
    config.Phone1 = PrimaryAccessNumber;
    config.Phone2 = SecondaryAccessNumber;
    config.ModemInit = QStringLiteral("atz");
    config.Port = QStringLiteral("COM1");
    config.Protocol = QStringLiteral("Zmodem");
    config.Speed = QStringLiteral("38400");
    config.SendDir = programDir + QStringLiteral("Send");
    config.RecvDir = programDir + QStringLiteral("Recv");
    config.ResultDir = programDir + QStringLiteral("Result");
    config.ScriptDir = programDir + QStringLiteral("Script");
    return config;
}

QString TEdiConfig::directoryOr(const QString& value, const QString& fallback)
{
    const QString trimmed = value.trimmed();
    return trimmed.isEmpty() ? fallback : trimmed;
}
