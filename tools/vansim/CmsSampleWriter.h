#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

// Sample CMS inquiry files as the bank delivers them: one inquiry of the institution for the day with two
// transactions; lines of 78 (fund collection), 158 (notes receivable) or 198 (passbook) bytes, CR LF, CP949.
class CmsSampleWriter {
public:
    CmsSampleWriter(const QString& institution, const QDate& today)
        : m_institution(institution)
        , m_today(today)
    {
    }

    QByteArray fundCollection() const;
    QByteArray notesReceivable() const;
    QByteArray passbook() const;
    // The network's notice file: its first line is what the program shows.
    static QByteArray notice(const QString& text);

private:
    QByteArray header(int width, bool withAccount) const;
    QString day() const;

    QString m_institution;
    QDate m_today;
};
