#include "ImportTestHome.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

ImportTestHome::ImportTestHome()
{
    if (!context().data().openAndUpgrade())
        return;
    insert(QStringLiteral("Usercode"),
        { { "Name", QStringLiteral("테스트기관") }, { "TOID10", "9900000001" }, { "TOID", "99000001" },
            { "TONGIN", "CD456" }, { "TOID210", "9900000002" }, { "TOID2", "99000002" }, { "TONG2IN", "CW456" },
            { "APID10", "9900000003" }, { "APID", "99000003" }, { "APIN", "CA456" }, { "TRegisterIN", "QK150" },
            { "HY1", "HY101" }, { "HY2", "HY201" }, { "HY3", "HY301" } });
    insert(QStringLiteral("Usercode"),
        { { "Name", QStringLiteral("둘째기관") }, { "TOID10", "9900000005" }, { "TONGIN", "CD457" },
            { "TOID210", "9900000009" }, { "TRegisterIN", "QK150" } });
}

bool ImportTestHome::insert(const QString& table, const QVariantMap& row)
{
    if (database().insert(table, row) == WriteResult::Ok)
        return true;
    ADD_FAILURE() << table.toStdString() << ": " << database().lastError().toStdString();
    return false;
}

QVariant ImportTestHome::value(const QString& sql, const QVariantList& values)
{
    return database().scalar(sql, values);
}

QVariantMap ImportTestHome::row(const QString& sql, const QVariantList& values)
{
    QSqlQuery query(database().connection());
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    QVariantMap row;
    if (!query.exec()) {
        ADD_FAILURE() << sql.toStdString() << ": " << query.lastError().text().toStdString();
        return row;
    }
    if (!query.next())
        return row;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        row.insert(record.fieldName(i), query.value(i));
    return row;
}

void ImportTestHome::putReceived(const QString& name, const QByteArray& bytes)
{
    writeFileBytes(context().paths().receivePath() + name, bytes);
}

QByteArray patched(QByteArray bytes, int recordSize, int record, int position, const QByteArray& text)
{
    bytes.replace((record - 1) * recordSize + position - 1, text.size(), text);
    return bytes;
}

QStringList ImportTestHome::tableRows(const QStringList& tables)
{
    QStringList rows;
    for (const QString& table : tables) {
        QSqlQuery query(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table), database().connection());
        while (query.next()) {
            QStringList fields { table };
            for (int i = 0; i < query.record().count(); ++i)
                fields << (query.isNull(i) ? QStringLiteral("NULL") : query.value(i).toString());
            rows << fields.join(QLatin1Char('|'));
        }
    }
    return rows;
}
