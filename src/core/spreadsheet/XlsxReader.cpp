#include "core/spreadsheet/XlsxReader.h"

#include "core/spreadsheet/ConversionProgress.h"
#include "core/spreadsheet/WorkbookGrid.h"
#include "core/spreadsheet/WorkbookLimits.h"

#include <QByteArrayView>
#include <QDateTime>
#include <algorithm>
#include <cstring>
#include <limits>

namespace {

const QString DefaultWorkbook = QStringLiteral("xl/workbook.xml");
// Whitespace-only texts are cell values too (" " typed into a cell). Texts are kept in their elements rather than in
// nodes of their own, which spares a node for every cell of a large sheet.
constexpr unsigned ParseOptions = pugi::parse_default | pugi::parse_ws_pcdata_single | pugi::parse_embed_pcdata;
constexpr int MaxColumnLetters = 3;
constexpr size_t MaxExactDigits = 15;

// Element names without their namespace prefix: some writers put every element under "x:".
const char* localName(pugi::xml_node node)
{
    const char* name = node.name();
    const char* colon = std::strchr(name, ':');
    return colon ? colon + 1 : name;
}

bool named(pugi::xml_node node, const char* name)
{
    return node.type() == pugi::node_element && std::strcmp(localName(node), name) == 0;
}

// The next sibling of that name: with child() below, the loop over one kind of element.
pugi::xml_node nextNamed(pugi::xml_node node, const char* name)
{
    for (node = node.next_sibling(); node; node = node.next_sibling())
        if (named(node, name))
            return node;
    return {};
}

pugi::xml_node child(pugi::xml_node parent, const char* name)
{
    const pugi::xml_node first = parent.first_child();
    return !first || named(first, name) ? first : nextNamed(first, name);
}

// The relationship id of a sheet, under whatever prefix the relationships namespace has.
QString relationshipId(pugi::xml_node node)
{
    for (pugi::xml_attribute attribute : node.attributes()) {
        const char* colon = std::strchr(attribute.name(), ':');
        if (colon && std::strcmp(colon + 1, "id") == 0)
            return QString::fromUtf8(attribute.value());
    }
    return {};
}

int hexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    return -1;
}

// "_x000D_" stands for the character U+000D; "_x005F_" for the underscore, so "_x005F_x000D_" is the text itself.
QString decodeEscapes(const char* raw)
{
    QString text = QString::fromUtf8(raw);
    if (!std::strstr(raw, "_x"))
        return text;
    QString decoded;
    decoded.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'_' && i + 6 < text.size() && text.at(i + 1) == u'x' && text.at(i + 6) == u'_') {
            int code = 0;
            bool hex = true;
            for (qsizetype k = i + 2; k < i + 6 && hex; ++k) {
                hex = hexDigit(text.at(k)) >= 0;
                code = code * 16 + hexDigit(text.at(k));
            }
            if (hex) {
                decoded.append(QChar(char16_t(code)));
                i += 6;
                continue;
            }
        }
        decoded.append(text.at(i));
    }
    return decoded;
}

// A shared or inline string: its one text, or its runs joined; phonetic runs (rPh) are not part of it.
QString stringItem(pugi::xml_node item)
{
    QString text;
    for (pugi::xml_node node = item.first_child(); node; node = node.next_sibling()) {
        if (named(node, "t"))
            text += decodeEscapes(node.child_value());
        else if (named(node, "r"))
            text += decodeEscapes(child(node, "t").child_value());
    }
    return text;
}

QString folderOf(const QString& part)
{
    const qsizetype slash = part.lastIndexOf(u'/');
    return slash < 0 ? QString() : part.left(slash);
}

QString resolve(const QString& folder, const QString& target)
{
    QStringList path = target.startsWith(u'/') ? QStringList() : folder.split(u'/', Qt::SkipEmptyParts);
    for (const QString& segment : target.split(u'/', Qt::SkipEmptyParts)) {
        if (segment == QLatin1String("..")) {
            if (!path.isEmpty())
                path.removeLast();
        } else if (segment != QLatin1String(".")) {
            path.append(segment);
        }
    }
    return path.join(u'/');
}

QString relationshipsPart(const QString& part)
{
    const QString folder = folderOf(part);
    const QString file = part.mid(folder.isEmpty() ? 0 : folder.size() + 1);
    return (folder.isEmpty() ? QString() : folder + u'/') + QStringLiteral("_rels/") + file + QStringLiteral(".rels");
}

// The column of a cell reference ("C7" is 2), or -1 without letters. Letters beyond the limit give a column past it.
int columnOf(const char* reference)
{
    int column = 0;
    int letters = 0;
    for (; *reference >= 'A' && *reference <= 'Z'; ++reference) {
        if (++letters > MaxColumnLetters)
            return std::numeric_limits<int>::max();
        column = column * 26 + (*reference - 'A' + 1);
    }
    return letters == 0 ? -1 : column - 1;
}

// A whole number that 15 significant digits show unchanged ("30000000000"), the most common number in a list.
bool isShortWholeNumber(const char* value)
{
    const char* digits = *value == '-' ? value + 1 : value;
    const size_t length = std::strlen(digits);
    if (length == 0 || length > MaxExactDigits || (digits[0] == '0' && length > 1))
        return false;
    return std::all_of(digits, digits + length, [](char c) { return c >= '0' && c <= '9'; });
}

QString isoDateText(const char* value)
{
    const QDateTime moment = QDateTime::fromString(QString::fromUtf8(value), Qt::ISODate);
    if (!moment.isValid())
        return QString::fromUtf8(value);
    if (moment.time() == QTime(0, 0))
        return moment.date().toString(QStringLiteral("yyyy-MM-dd"));
    return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

XlsxReader::XlsxReader(const WorkbookLimits& limits, ConversionProgress& progress)
    : m_limits(limits)
    , m_progress(progress)
{
}

bool XlsxReader::read(XlsxPackage& package, WorkbookGrid& grid)
{
    return read(
        [&package](const QString& name, QByteArray& content, QString& error) {
            const XlsxPackage::Read result = package.part(name, content);
            error = package.errorString();
            return result;
        },
        grid);
}

bool XlsxReader::read(const PartSource& parts, WorkbookGrid& grid)
{
    m_parts = &parts;
    m_error.clear();
    m_formats.clear();
    m_strings.clear();
    Relationships package;
    if (!relationshipsOf(QString(), package))
        return false;
    const QString workbook = package.byType.value(QStringLiteral("officeDocument"), DefaultWorkbook);
    Sheet sheet;
    Relationships workbookParts;
    if (!readWorkbook(workbook, sheet) || !relationshipsOf(workbook, workbookParts))
        return false;
    const QString folder = folderOf(workbook);
    sheet.part = workbookParts.byId.value(sheet.part, resolve(folder, QStringLiteral("worksheets/sheet1.xml")));
    return readStyles(
               workbookParts.byType.value(QStringLiteral("styles"), resolve(folder, QStringLiteral("styles.xml"))))
        && readSharedStrings(workbookParts.byType.value(
            QStringLiteral("sharedStrings"), resolve(folder, QStringLiteral("sharedStrings.xml"))))
        && readSheet(sheet, grid);
}

bool XlsxReader::loadXml(const QString& name, XmlPart& xml, bool required)
{
    QString error;
    switch ((*m_parts)(name, xml.bytes, error)) {
    case XlsxPackage::Read::Failed:
        m_error = error;
        return false;
    case XlsxPackage::Read::Missing:
        return !required || fail(name, QStringLiteral("파일 안에 이 부분이 없습니다"));
    case XlsxPackage::Read::Ok:
        break;
    }
    const pugi::xml_parse_result parsed = xml.document.load_buffer_inplace(
        xml.bytes.data(), size_t(xml.bytes.size()), ParseOptions, pugi::encoding_utf8);
    if (!parsed)
        return fail(name,
            QStringLiteral("XML이 올바르지 않습니다 (%1, %2번째 바이트)")
                .arg(QString::fromUtf8(parsed.description()))
                .arg(parsed.offset));
    return true;
}

bool XlsxReader::relationshipsOf(const QString& part, Relationships& relationships)
{
    XmlPart rels;
    const QString name = part.isEmpty() ? QStringLiteral("_rels/.rels") : relationshipsPart(part);
    if (!loadXml(name, rels, false))
        return false;
    const QString folder = folderOf(part);
    for (pugi::xml_node node = child(child(rels.document, "Relationships"), "Relationship"); node;
         node = nextNamed(node, "Relationship")) {
        if (std::strcmp(node.attribute("TargetMode").as_string("Internal"), "External") == 0)
            continue;
        const QString target = resolve(folder, QString::fromUtf8(node.attribute("Target").value()));
        const QString type = QString::fromUtf8(node.attribute("Type").value()).section(u'/', -1);
        relationships.byId.insert(QString::fromUtf8(node.attribute("Id").value()), target);
        if (!relationships.byType.contains(type))
            relationships.byType.insert(type, target);
    }
    return true;
}

// The active sheet's name and relationship id (in sheet.part until the relationships resolve it).
bool XlsxReader::readWorkbook(const QString& part, Sheet& sheet)
{
    XmlPart xml;
    if (!loadXml(part, xml, true))
        return false;
    const pugi::xml_node workbook = child(xml.document, "workbook");
    const QString date1904 = QString::fromUtf8(child(workbook, "workbookPr").attribute("date1904").value());
    m_date1904 = date1904 == QLatin1String("1") || date1904 == QLatin1String("true");
    const int active = child(child(workbook, "bookViews"), "workbookView").attribute("activeTab").as_int(0);
    pugi::xml_node chosen;
    int index = 0;
    for (pugi::xml_node node = child(child(workbook, "sheets"), "sheet"); node; node = nextNamed(node, "sheet")) {
        if (!chosen || index == active)
            chosen = node;
        ++index;
    }
    if (!chosen)
        return fail(part, QStringLiteral("시트가 없습니다"));
    sheet.name = QString::fromUtf8(chosen.attribute("name").value());
    sheet.part = relationshipId(chosen);
    return true;
}

bool XlsxReader::readStyles(const QString& name)
{
    XmlPart xml;
    if (!loadXml(name, xml, false))
        return false;
    const pugi::xml_node styles = child(xml.document, "styleSheet");
    QHash<int, QString> codes;
    for (pugi::xml_node node = child(child(styles, "numFmts"), "numFmt"); node; node = nextNamed(node, "numFmt"))
        codes.insert(node.attribute("numFmtId").as_int(-1), QString::fromUtf8(node.attribute("formatCode").value()));
    for (pugi::xml_node node = child(child(styles, "cellXfs"), "xf"); node; node = nextNamed(node, "xf")) {
        const int id = node.attribute("numFmtId").as_int(0);
        m_formats.append(codes.contains(id) ? CellText::ofCode(codes.value(id)) : CellText::builtIn(id));
    }
    return true;
}

bool XlsxReader::readSharedStrings(const QString& name)
{
    XmlPart xml;
    if (!loadXml(name, xml, false))
        return false;
    for (pugi::xml_node node = child(child(xml.document, "sst"), "si"); node; node = nextNamed(node, "si"))
        m_strings.append(stringItem(node));
    return true;
}

bool XlsxReader::readSheet(const Sheet& sheet, WorkbookGrid& grid)
{
    XmlPart xml;
    if (!loadXml(sheet.part, xml, true))
        return false;
    int rowNumber = 0;
    const pugi::xml_node rows = child(child(xml.document, "worksheet"), "sheetData");
    for (pugi::xml_node row = child(rows, "row"); row; row = nextNamed(row, "row")) {
        const pugi::xml_attribute number = row.attribute("r");
        rowNumber = number ? number.as_int(0) : rowNumber + 1;
        if (rowNumber < 1 || rowNumber > m_limits.rows)
            return fail(sheet.name,
                QStringLiteral("행 번호 %1이(가) 1에서 %2 사이가 아닙니다").arg(rowNumber).arg(m_limits.rows));
        if (!readRow(row, rowNumber, sheet.name, grid))
            return false;
    }
    return true;
}

bool XlsxReader::readRow(pugi::xml_node row, int rowNumber, const QString& sheet, WorkbookGrid& grid)
{
    const int columnCount = grid.columnCount();
    QStringList texts(columnCount);
    int column = -1;
    for (pugi::xml_node cell = child(row, "c"); cell; cell = nextNamed(cell, "c")) {
        const int referenced = columnOf(cell.attribute("r").value());
        column = referenced < 0 ? column + 1 : referenced;
        if (column >= m_limits.columns)
            return fail(sheet,
                QStringLiteral("%1: 열이 %2을(를) 넘습니다")
                    .arg(QString::fromUtf8(cell.attribute("r").value()), CellText::columnName(m_limits.columns - 1)));
        if (column < columnCount && !cellText(cell, sheet, rowNumber, column, texts[column]))
            return false;
    }
    grid.addRow(rowNumber, texts);
    m_progress.show(grid.dataRowCount());
    return true;
}

bool XlsxReader::cellText(pugi::xml_node cell, const QString& sheet, int row, int column, QString& text)
{
    const char* type = cell.attribute("t").value();
    const char* value = child(cell, "v").child_value();
    if (std::strcmp(type, "s") == 0) {
        bool numeric = false;
        const qlonglong index = QByteArrayView(value).trimmed().toLongLong(&numeric);
        if (!numeric || index < 0 || index >= m_strings.size()) {
            m_error = CellText::cellName(sheet, row, column)
                + QStringLiteral(": 공유 문자열 %1번이 없습니다").arg(QString::fromUtf8(value));
            return false;
        }
        text = m_strings.at(qsizetype(index));
    } else if (std::strcmp(type, "inlineStr") == 0) {
        text = stringItem(child(cell, "is"));
    } else if (std::strcmp(type, "b") == 0) {
        text = std::strcmp(value, "1") == 0 ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    } else if (std::strcmp(type, "d") == 0) {
        text = isoDateText(value);
    } else if (std::strcmp(type, "str") == 0 || std::strcmp(type, "e") == 0 || *value == '\0') {
        text = decodeEscapes(value);
    } else {
        const CellText::Format format = m_formats.value(cell.attribute("s").as_int(0));
        bool numeric = false;
        if (format.shape == CellText::Shape::Number && isShortWholeNumber(value)) {
            text = QString::fromLatin1(value);
            return true;
        }
        const double number = QByteArrayView(value).toDouble(&numeric);
        text = !numeric ? decodeEscapes(value) : CellText::ofNumber(number, format, m_date1904);
    }
    return true;
}

bool XlsxReader::fail(const QString& where, const QString& why)
{
    m_error = where + QStringLiteral(": ") + why;
    return false;
}
