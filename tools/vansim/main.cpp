#include "VanSimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

const char* const Description = R"(The bank side of the mailbox: checks every file in <mailbox>/outbox/ and writes
the result files into <mailbox>/inbox/. Reasons for rejected files go to <mailbox>/fbvan.log.

Institutions file, one line per institution and service ("#" starts a comment):
  <institution code> <deposit|withdrawal|apartment|consent> <receive file code>
  9900000001 deposit CD456

Rules file, one rule per line ("#" starts a comment); without rules everything succeeds with "0000":
  fail-ending 7 0101      transfers to accounts ending in 7 fail with code 0101
  amount-limit 5000000    transfers of more than 5,000,000 won fail with code 1000
  consent-fail 123-456    consents for account 123-456 fail with code 2002)";

int fail(const QString& message)
{
    QTextStream(stderr) << "fbvan: " << message << Qt::endl;
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("fbvan"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(Description));
    parser.addHelpOption();
    const QCommandLineOption mailbox(
        QStringLiteral("mailbox"), QStringLiteral("The mailbox directory."), QStringLiteral("DIR"));
    const QCommandLineOption institutions(QStringLiteral("institutions"),
        QStringLiteral("The institutions' receive file codes."), QStringLiteral("FILE"));
    const QCommandLineOption rules(
        QStringLiteral("rules"), QStringLiteral("The rules choosing outcomes."), QStringLiteral("FILE"));
    const QCommandLineOption today(
        QStringLiteral("today"), QStringLiteral("The bank's date (default: today)."), QStringLiteral("YYYY-MM-DD"));
    parser.addOptions({ mailbox, institutions, rules, today });
    parser.process(app);

    if (!parser.isSet(mailbox))
        return fail(QStringLiteral("--mailbox DIR is required"));
    QDate date = QDate::currentDate();
    if (parser.isSet(today)) {
        date = QDate::fromString(parser.value(today), QStringLiteral("yyyy-MM-dd"));
        if (!date.isValid())
            return fail(QStringLiteral("--today: \"%1\" is not a date YYYY-MM-DD").arg(parser.value(today)));
    }
    QString error;
    VanInstitutions served;
    if (parser.isSet(institutions) && !served.load(parser.value(institutions), error))
        return fail(error);
    VanRules outcomes;
    if (parser.isSet(rules) && !outcomes.load(parser.value(rules), error))
        return fail(error);

    VanSimulator simulator(parser.value(mailbox), served, outcomes, date);
    if (!simulator.run())
        return fail(simulator.error());
    QTextStream(stdout) << simulator.accepted() << " accepted, " << simulator.rejected() << " rejected" << Qt::endl;
    return 0;
}
