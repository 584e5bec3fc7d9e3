#pragma once

#include "TestHome.h"
#include "core/data/TDM1.h"

#include <QVariantMap>

// A test home with its working database open and upgraded, holding the two institutions that the receive
// fixtures under tests/data/edi and tests/data/cms name.
class ImportTestHome : public TestHome {
public:
    ImportTestHome();

    bool isOpen() { return database().isOpen(); }
    Database& database() { return context().database(); }
    bool insert(const QString& table, const QVariantMap& row);
    // The first column of the first row.
    QVariant value(const QString& sql, const QVariantList& values = {});
    // The first row, by column name; empty when there is none.
    QVariantMap row(const QString& sql, const QVariantList& values = {});
    void putReceived(const QString& name, const QByteArray& bytes);
    // Every row of the tables as text, in stored order, to compare what an operation left.
    QStringList tableRows(const QStringList& tables);
};

// A copy of bytes with text written over the record of the given size and number (from 1) at a position.
QByteArray patched(QByteArray bytes, int recordSize, int record, int position, const QByteArray& text);
