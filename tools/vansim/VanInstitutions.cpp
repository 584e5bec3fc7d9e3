#include "VanInstitutions.h"

#include <QFile>
#include <QRegularExpression>

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read the institutions file %1").arg(path);
        return false;
    }
    return parse(QString::fromUtf8(file.readAll()), error);
}

bool VanInstitutions::parse(const QString& text, QString& error)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].section(QLatin1Char('#'), 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList words = line.split(QRegularExpression(QStringLiteral("\\s+")));
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
