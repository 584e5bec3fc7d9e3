#include "VanInstitutions.h"

#include "VanTextFile.h"

namespace {

constexpr VanInstitutions::Service AllServices[] = { VanInstitutions::Service::Deposit,
    VanInstitutions::Service::Withdrawal, VanInstitutions::Service::Apartment, VanInstitutions::Service::Consent };

} // namespace

QString VanInstitutions::serviceName(Service service)
{
    switch (service) {
    case Service::Deposit:
        return QStringLiteral("deposit");
    case Service::Withdrawal:
        return QStringLiteral("withdrawal");
    case Service::Apartment:
        return QStringLiteral("apartment");
    case Service::Consent:
        return QStringLiteral("consent");
    }
    return {};
}

bool VanInstitutions::load(const QString& path, QString& error)
{
    QString text;
    return VanTextFile::read(path, QStringLiteral("institutions"), text, error) && parse(text, error);
}

bool VanInstitutions::parse(const QString& text, QString& error)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList words = VanTextFile::words(lines[i]);
        if (words.isEmpty())
            continue;
        const Service* service = nullptr;
        for (const Service& candidate : AllServices) {
            if (words.size() == 3 && words[1] == serviceName(candidate))
                service = &candidate;
        }
        if (!service) {
            error = QStringLiteral("institutions line %1: expected \"<institution code> "
                                   "<deposit|withdrawal|apartment|consent> <receive file code>\"")
                        .arg(i + 1);
            return false;
        }
        m_codes.insert({ words[0], *service }, words[2]);
    }
    return true;
}

bool VanInstitutions::serves(const QString& institution, Service service) const
{
    return m_codes.contains({ institution, service });
}

QString VanInstitutions::receiveCode(const QString& institution, Service service) const
{
    return m_codes.value({ institution, service });
}
