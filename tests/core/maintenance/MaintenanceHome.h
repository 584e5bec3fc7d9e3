#pragma once

#include "TestHome.h"
#include "core/data/Database.h"
#include "core/data/TDM1.h"
#include "core/maintenance/Storage.h"

#include <QDir>
#include <QList>
#include <gtest/gtest.h>

// A medium whose free space the test scripts: each measurement takes the next answer; an empty script is a
// fixed hard disk with room to spare.
class ScriptedStorage : public Storage {
public:
    qint64 freeBytes(const QString&) const override { return free.isEmpty() ? (qint64(1) << 40) : free.takeFirst(); }
    bool isRemovable(const QString&) const override { return removable; }

    mutable QList<qint64> free;
    bool removable = false;
};

// A home whose working database was laid down from the blank one and upgraded, closed again as the main window
// closes it around data maintenance. Its clock stands at 14:05 on 9 March 2024.
class MaintenanceHome : public TestHome {
public:
    MaintenanceHome()
    {
        clock.set(QDateTime(QDate(2024, 3, 9), QTime(14, 5, 21)));
        EXPECT_TRUE(context().data().openAndUpgrade()) << context().data().lastError().toStdString();
        context().data().close();
        QDir().mkpath(path(QStringLiteral("Backup")));
    }

    QString backupDir() const { return path(QStringLiteral("Backup/")); }
    QByteArray databaseBytes() const { return readFileBytes(paths().databaseFile()); }

    // Runs statements on a database file through a connection of its own.
    static void exec(const QString& file, const QStringList& statements)
    {
        Database database(QStringLiteral("MaintenanceHomeExec"));
        ASSERT_TRUE(database.open(file)) << database.lastError().toStdString();
        for (const QString& sql : statements)
            ASSERT_TRUE(database.exec(sql)) << sql.toStdString() << ": " << database.lastError().toStdString();
    }
    static QString scalar(const QString& file, const QString& sql)
    {
        Database database(QStringLiteral("MaintenanceHomeRead"));
        if (!database.open(file))
            return QStringLiteral("cannot open: ") + database.lastError();
        return database.scalar(sql).toString();
    }
};
