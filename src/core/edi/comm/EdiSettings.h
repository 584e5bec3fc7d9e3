#pragma once

#include "core/edi/comm/Registry.h"
#include "core/edi/comm/TEdiConfig.h"

#include <QStringList>

// The communication settings in the registry: the keys "Software/<application>/EdiComm32/Comm" and
// ".../UserInfo", with the two values outside TEdiConfig (COM-TYPE, AppTypeCode).
class EdiSettings {
public:
    // The name that identifies the program to the communication module.
    static const QString AppName;
    static constexpr int NoComType = -1;

    EdiSettings(const QString& registryFile, const QString& programDir, const QString& appName = AppName);

    QString commKey() const;
    QString userInfoKey() const;
    TEdiConfig defaults() const { return TEdiConfig::defaults(m_programDir); }
    // The send, receive and result directories of the settings, a default in place of an empty one.
    QStringList exchangeDirectories(const TEdiConfig& config) const;

    // Fills config with what is stored over the defaults. False ("failed") when the Comm or the UserInfo
    // key is missing; the Comm values read before a missing UserInfo key are kept.
    bool read(TEdiConfig& config) const;
    // Every stored value over the defaults, from whichever key is there; what start-up writes back, so that
    // one missing key never costs the values of the other.
    void readStored(TEdiConfig& config) const;
    // Writes both keys, creating them; false when the registry cannot be written.
    bool write(const TEdiConfig& config) const;
    // LoginID alone; empty when it or its key is missing.
    QString readLoginId() const;
    // COM-TYPE; NoComType when it is missing.
    int comType() const;
    // Writes AppTypeCode "TRB" when the UserInfo key exists without that value; true when it wrote.
    bool markAppType() const;

    const Registry& registry() const { return m_registry; }

private:
    bool readComm(TEdiConfig& config) const;
    bool readUserInfo(TEdiConfig& config) const;

    Registry m_registry;
    QString m_programDir;
    QString m_appName;
};
