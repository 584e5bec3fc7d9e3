#include "CmsSampleWriter.h"
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
  consent-fail 123-456    consents for account 123-456 fail with code 2002

Samples: --fund-collection, --notes-receivable and --passbook drop one CMS inquiry of the day under the
given file name (the institution's inquiry file code); --notice drops a Notice.inf with the text.)";

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
    const QCommandLineOption cmsInstitution(QStringLiteral("cms-institution"),
        QStringLiteral("The institution code in the CMS samples (default 12345)."), QStringLiteral("CODE"),
        QStringLiteral("12345"));
    const QCommandLineOption fund(QStringLiteral("fund-collection"),
        QStringLiteral("Write a sample CMS fund collection file."), QStringLiteral("NAME"));
    const QCommandLineOption notes(QStringLiteral("notes-receivable"),
        QStringLiteral("Write a sample CMS notes receivable file."), QStringLiteral("NAME"));
    const QCommandLineOption passbook(QStringLiteral("passbook"),
        QStringLiteral("Write a sample passbook transactions file."), QStringLiteral("NAME"));
    const QCommandLineOption notice(
        QStringLiteral("notice"), QStringLiteral("Write a Notice.inf."), QStringLiteral("TEXT"));
    parser.addOptions({ mailbox, institutions, rules, today, cmsInstitution, fund, notes, passbook, notice });
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
    const CmsSampleWriter samples(parser.value(cmsInstitution), date);
    const struct {
        const QCommandLineOption& option;
        QByteArray bytes;
    } drops[] = {
        { fund, samples.fundCollection() },
        { notes, samples.notesReceivable() },
        { passbook, samples.passbook() },
    };
    for (const auto& drop : drops) {
        if (parser.isSet(drop.option) && !simulator.deliver(parser.value(drop.option), drop.bytes))
            return fail(QStringLiteral("cannot write %1").arg(simulator.inbox() + parser.value(drop.option)));
    }
    if (parser.isSet(notice)
        && !simulator.deliver(QStringLiteral("Notice.inf"), CmsSampleWriter::notice(parser.value(notice))))
        return fail(QStringLiteral("cannot write %1Notice.inf").arg(simulator.inbox()));
    QTextStream(stdout) << simulator.accepted() << " accepted, " << simulator.rejected() << " rejected" << Qt::endl;
    return 0;
}
