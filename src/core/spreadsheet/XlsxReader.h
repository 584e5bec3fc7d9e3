#pragma once

#include "core/spreadsheet/CellText.h"
#include "core/spreadsheet/WorkbookLimits.h"
#include "core/spreadsheet/XlsxPackage.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <pugixml.hpp>

class ConversionProgress;
class WorkbookGrid;

// The active sheet of an .xlsx workbook (its first when none is marked), found through the package's
// relationships and read cell by cell into the grid as the spreadsheet shows the cells.
class XlsxReader {
public:
    // Where the parts come from: an opened package, or in the fuzz target a fixed workbook with one part replaced.
    using PartSource = std::function<XlsxPackage::Read(const QString& name, QByteArray& content, QString& error)>;

    XlsxReader(const WorkbookLimits& limits, ConversionProgress& progress);

    // False with errorString() naming the part, or the sheet and cell, that could not be read.
    bool read(const PartSource& parts, WorkbookGrid& grid);
    // The parts of an opened package; a part the package cannot give is named as the package names it.
    bool read(XlsxPackage& package, WorkbookGrid& grid);
    const QString& errorString() const { return m_error; }

private:
    struct Sheet {
        QString name;
        QString part;
    };
    // A part's relationships: targets by id, and by the last word of their type ("styles", "sharedStrings").
    struct Relationships {
        QHash<QString, QString> byId;
        QHash<QString, QString> byType;
    };

    // A part's bytes and the document parsed in place in them: the bytes must live as long as the document.
    struct XmlPart {
        QByteArray bytes;
        pugi::xml_document document;
    };

    bool loadXml(const QString& name, XmlPart& xml, bool required);
    bool readWorkbook(const QString& part, Sheet& sheet);
    bool readStyles(const QString& name);
    bool readSharedStrings(const QString& name);
    bool readSheet(const Sheet& sheet, WorkbookGrid& grid);
    bool readRow(pugi::xml_node row, int rowNumber, const QString& sheet, WorkbookGrid& grid);
    bool cellText(pugi::xml_node cell, const QString& sheet, int row, int column, QString& text);
    bool relationshipsOf(const QString& part, Relationships& relationships);
    bool fail(const QString& where, const QString& why);

    WorkbookLimits m_limits;
    ConversionProgress& m_progress;
    const PartSource* m_parts = nullptr;
    bool m_date1904 = false;
    QList<CellText::Format> m_formats;
    QStringList m_strings;
    QString m_error;
};
