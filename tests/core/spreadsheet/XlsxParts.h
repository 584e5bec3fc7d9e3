#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <pugixml.hpp>

// Reads a written .xlsx straight from its XML parts, so that the tests do not depend on our own reader.
class XlsxParts {
public:
    explicit XlsxParts(const QString& path);

    bool isOpen() const { return m_open; }
    QByteArray part(const QString& name) const { return m_parts.value(name); }
    QString sheetName() const;

    // The cell's shown text: a shared string (runs joined), or the stored number; empty when there is no value.
    QString text(const QString& cell) const;
    // "s" for a shared string, "n" for a number, "" for a blank or missing cell.
    QString kind(const QString& cell) const;
    QString numberFormat(const QString& cell) const;
    // The fill's colour as "RRGGBB", "" without a solid fill.
    QString fill(const QString& cell) const;
    bool bold(const QString& cell) const;
    double fontSize(const QString& cell) const;
    // 0 when the column has no width of its own.
    double columnWidth(int column) const;
    QString columnNumberFormat(int column) const;
    double rowHeight(int row) const;
    QStringList merges() const;

    struct Run {
        QString text;
        bool bold;
        double size;
        QString colour;
    };
    QList<Run> runs(const QString& cell) const;

private:
    pugi::xml_node cellNode(const QString& cell) const;
    pugi::xml_node cellStyle(const QString& cell) const;
    pugi::xml_node stringItem(const QString& cell) const;

    bool m_open = false;
    QMap<QString, QByteArray> m_parts;
    pugi::xml_document m_sheet;
    pugi::xml_document m_strings;
    pugi::xml_document m_styles;
};
