#pragma once

#include "TestHome.h"
#include "core/data/TDM1.h"

#include <QByteArray>
#include <QVariantMap>

// A fresh home with the working database and the institutions the send-file tests share:
// 가나상사 (deposit 9900000001, withdrawal 9900000002, submits evidence), 다라아파트 (apartment 9900000003)
// and 마바공단 (withdrawal 9900000004, exempt from evidence). The login ID is FBUSER01.
class SendTestHome : public TestHome {
public:
    SendTestHome();

    Database& database() { return context().database(); }
    bool isOpen() { return database().isOpen(); }

    void insert(const QString& table, const QVariantMap& row);
    void addBatch(
        const QString& table, qint64 id, const QString& institution, const QDate& date, int state = 1, int salary = 1);
    void addItem(const QString& table, qint64 batch, const QVariantMap& fields);
    QVariantMap row(const QString& sql, const QVariantList& values = {});
    QStringList column(const QString& sql, const QVariantList& values = {});

    QByteArray sent(const QString& name) { return readFileBytes(context().paths().sendPath() + name); }
    static QByteArray golden(const QString& name)
    {
        return readFileBytes(testDataPath(QStringLiteral("edi/send/") + name));
    }

private:
    void addInstitutions();
};
