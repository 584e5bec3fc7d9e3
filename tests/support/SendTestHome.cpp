#include "SendTestHome.h"

#include "core/common/Money.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

SendTestHome::SendTestHome()
{
    context().setLoginId(QStringLiteral("FBUSER01"));
    if (!context().data().openAndUpgrade())
        ADD_FAILURE() << context().data().lastError().toStdString();
    addInstitutions();
}

void SendTestHome::addInstitutions()
{
    insert("Usercode",
        { { "Name", "가나상사" }, { "TOID10", "9900000001" }, { "TONGOUT", "CD123" }, { "TONGIN", "CD456" },
            { "TOBCODE", "BK00001" }, { "TOID210", "9900000002" }, { "TONG2OUT", "wd456" }, { "TO2BCODE", "BK00002" },
            { "AUTHSENDTYPE", "제출" }, { "TRegisterOUT", "QK150" } });
    insert("Usercode",
        { { "Name", "다라아파트" }, { "APID10", "9900000003" }, { "APOUT", "AP789" }, { "APBCODE", "BK00003" },
            { "AUTHSENDTYPE", "" }, { "TRegisterOUT", "QK150" } });
    insert("Usercode",
        { { "Name", "마바공단" }, { "TOID210", "9900000004" }, { "TONG2OUT", "WD999" }, { "TO2BCODE", "BK00004" },
            { "AUTHSENDTYPE", "면제" }, { "TRegisterOUT", "QK150" } });
}

void SendTestHome::insert(const QString& table, const QVariantMap& row)
{
    if (database().insert(table, row) != WriteResult::Ok)
        ADD_FAILURE() << table.toStdString() << ": " << database().lastError().toStdString();
}

void SendTestHome::addBatch(
    const QString& table, qint64 id, const QString& institution, const QDate& date, int state, int salary)
{
    const bool apartment = table == QLatin1String("Apt1");
    QVariantMap batch { { apartment ? "AptID" : "TongID", id }, { "GiganID10", institution }, { "IcheDate", date },
        { "State", state } };
    if (table == QLatin1String("Tong1"))
        batch.insert("Salary", salary);
    insert(table, batch);
}

void SendTestHome::addItem(const QString& table, qint64 batch, const QVariantMap& fields)
{
    QVariantMap item = fields;
    item.insert(table == QLatin1String("Apt2") ? "AptID" : "TongID", batch);
    const QVariant won = fields.value("IcheMoney");
    if (!won.isNull())
        item.insert("IcheMoney", Money::fromWon(won.toLongLong()).stored());
    item.insert("State", 1);
    insert(table, item);
}

QVariantMap SendTestHome::row(const QString& sql, const QVariantList& values)
{
    QSqlQuery query(database().connection());
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    QVariantMap result;
    if (!query.exec() || !query.next()) {
        ADD_FAILURE() << sql.toStdString() << ": " << query.lastError().text().toStdString();
        return result;
    }
    for (int i = 0; i < query.record().count(); ++i)
        result.insert(query.record().fieldName(i), query.value(i));
    return result;
}

QStringList SendTestHome::column(const QString& sql, const QVariantList& values)
{
    QSqlQuery query(database().connection());
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        ADD_FAILURE() << sql.toStdString() << ": " << query.lastError().text().toStdString();
    QStringList result;
    while (query.next())
        result << query.value(0).toString();
    return result;
}
