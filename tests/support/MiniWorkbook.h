#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// A small .xlsx package made of literal XML parts, for the reader's tests and the fuzz target. It starts as a
// workbook of one sheet "Sheet1" with an empty sheet, no shared strings and one plain cell style.
class MiniWorkbook {
public:
    MiniWorkbook();

    // The rows inside <sheetData>.
    MiniWorkbook& rows(const QByteArray& rowsXml);
    // The <si> items of the shared strings.
    MiniWorkbook& strings(const QByteArray& itemsXml);
    // Custom number formats (<numFmt .../>) and the cell styles' numFmtIds in style order after style 0.
    MiniWorkbook& styles(const QByteArray& numFmtsXml, const QList<int>& numFmtIds);
    MiniWorkbook& part(const QString& name, const QByteArray& content);
    MiniWorkbook& remove(const QString& name);

    const QMap<QString, QByteArray>& parts() const { return m_parts; }
    QByteArray bytes() const;
    bool write(const QString& path) const;

    static const QString SheetPart;
    static const QString StringsPart;

private:
    QMap<QString, QByteArray> m_parts;
};
