#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

// The outcomes the bank gives, chosen by a rules file of one rule per line ("#" starts a comment):
//   fail-ending <digit> <code>   transfers to accounts ending in the digit fail with the code
//   amount-limit <won>           transfers of more won fail with "1000"
//   consent-fail <account>       consents for the account (hyphens and leading zeros ignored) fail with "2002"
// Without rules everything succeeds with "0000".
class VanRules {
public:
    static const QByteArray Success;
    static const QByteArray OverLimit;
    static const QByteArray ConsentRefused;

    // False with a message naming the line when a rule cannot be read.
    bool parse(const QString& text, QString& error);
    bool load(const QString& path, QString& error);

    QByteArray transferCode(const QByteArray& account, qint64 won) const;
    QByteArray consentCode(const QByteArray& account) const;

private:
    struct EndingRule {
        char digit;
        QByteArray code;
    };

    QList<EndingRule> m_endings;
    qint64 m_amountLimit = -1;
    QSet<QByteArray> m_refusedConsents;
};
