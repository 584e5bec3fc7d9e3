#pragma once

#include <QMap>
#include <QString>

// The receive file codes of the institutions the bank serves, from a text file of lines
// "<institution code> <deposit|withdrawal|apartment|consent> <receive file code>" ("#" starts a comment).
class VanInstitutions {
public:
    enum class Service { Deposit, Withdrawal, Apartment, Consent };

    bool parse(const QString& text, QString& error);
    bool load(const QString& path, QString& error);

    bool serves(const QString& institution, Service service) const;
    // Empty when the institution does not use the service.
    QString receiveCode(const QString& institution, Service service) const;

    static QString serviceName(Service service);

private:
    QMap<QPair<QString, Service>, QString> m_codes;
};
