#include "XlsxParts.h"

#include <QFile>
#include <zip.h>

namespace {

QString rgbOf(pugi::xml_node colour)
{
    return QString::fromUtf8(colour.attribute("rgb").value()).right(6);
}

pugi::xml_node nth(pugi::xml_node parent, const char* name, int index)
{
    pugi::xml_node node = parent.child(name);
    for (int i = 0; i < index && node; ++i)
        node = node.next_sibling(name);
    return node;
}

} // namespace

XlsxParts::XlsxParts(const QString& path)
{
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!archive)
        return;
    const zip_int64_t entries = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < entries; ++i) {
        zip_stat_t stat;
        zip_stat_index(archive, zip_uint64_t(i), 0, &stat);
        QByteArray content(qsizetype(stat.size), '\0');
        zip_file_t* file = zip_fopen_index(archive, zip_uint64_t(i), 0);
        if (file) {
            zip_fread(file, content.data(), stat.size);
            zip_fclose(file);
        }
        m_parts.insert(QString::fromUtf8(stat.name), content);
    }
    zip_close(archive);
    const QByteArray sheet = part(QStringLiteral("xl/worksheets/sheet1.xml"));
    const QByteArray strings = part(QStringLiteral("xl/sharedStrings.xml"));
    const QByteArray styles = part(QStringLiteral("xl/styles.xml"));
    m_sheet.load_buffer(sheet.constData(), size_t(sheet.size()));
    m_strings.load_buffer(strings.constData(), size_t(strings.size()));
    m_styles.load_buffer(styles.constData(), size_t(styles.size()));
    m_open = !sheet.isEmpty();
}

QString XlsxParts::sheetName() const
{
    pugi::xml_document workbook;
    const QByteArray xml = part(QStringLiteral("xl/workbook.xml"));
    workbook.load_buffer(xml.constData(), size_t(xml.size()));
    return QString::fromUtf8(workbook.child("workbook").child("sheets").child("sheet").attribute("name").value());
}

pugi::xml_node XlsxParts::cellNode(const QString& cell) const
{
    const QByteArray reference = cell.toUtf8();
    return m_sheet.child("worksheet").child("sheetData").find_node([&](pugi::xml_node node) {
        return qstrcmp(node.name(), "c") == 0 && reference == node.attribute("r").value();
    });
}

pugi::xml_node XlsxParts::stringItem(const QString& cell) const
{
    const pugi::xml_node node = cellNode(cell);
    if (qstrcmp(node.attribute("t").value(), "s") != 0)
        return {};
    return nth(m_strings.child("sst"), "si", node.child("v").text().as_int());
}

QString XlsxParts::text(const QString& cell) const
{
    const pugi::xml_node item = stringItem(cell);
    if (!item)
        return QString::fromUtf8(cellNode(cell).child("v").text().get());
    QString joined = QString::fromUtf8(item.child("t").text().get());
    for (pugi::xml_node run = item.child("r"); run; run = run.next_sibling("r"))
        joined += QString::fromUtf8(run.child("t").text().get());
    return joined;
}

QString XlsxParts::kind(const QString& cell) const
{
    const pugi::xml_node node = cellNode(cell);
    if (!node.child("v"))
        return QString();
    return node.attribute("t") ? QString::fromUtf8(node.attribute("t").value()) : QStringLiteral("n");
}

pugi::xml_node XlsxParts::cellStyle(const QString& cell) const
{
    return nth(m_styles.child("styleSheet").child("cellXfs"), "xf", cellNode(cell).attribute("s").as_int());
}

QString XlsxParts::numberFormat(const QString& cell) const
{
    const int id = cellStyle(cell).attribute("numFmtId").as_int();
    for (pugi::xml_node format : m_styles.child("styleSheet").child("numFmts").children("numFmt")) {
        if (format.attribute("numFmtId").as_int() == id)
            return QString::fromUtf8(format.attribute("formatCode").value());
    }
    return id == 0 ? QStringLiteral("General") : QString::number(id);
}

QString XlsxParts::fill(const QString& cell) const
{
    const pugi::xml_node fill
        = nth(m_styles.child("styleSheet").child("fills"), "fill", cellStyle(cell).attribute("fillId").as_int());
    const pugi::xml_node pattern = fill.child("patternFill");
    if (qstrcmp(pattern.attribute("patternType").value(), "solid") != 0)
        return QString();
    return rgbOf(pattern.child("fgColor"));
}

bool XlsxParts::bold(const QString& cell) const
{
    return bool(nth(m_styles.child("styleSheet").child("fonts"), "font", cellStyle(cell).attribute("fontId").as_int())
                    .child("b"));
}

double XlsxParts::fontSize(const QString& cell) const
{
    return nth(m_styles.child("styleSheet").child("fonts"), "font", cellStyle(cell).attribute("fontId").as_int())
        .child("sz")
        .attribute("val")
        .as_double();
}

double XlsxParts::columnWidth(int column) const
{
    for (pugi::xml_node col : m_sheet.child("worksheet").child("cols").children("col")) {
        if (col.attribute("min").as_int() <= column && column <= col.attribute("max").as_int())
            return col.attribute("width").as_double();
    }
    return 0;
}

QString XlsxParts::columnNumberFormat(int column) const
{
    for (pugi::xml_node col : m_sheet.child("worksheet").child("cols").children("col")) {
        if (col.attribute("min").as_int() <= column && column <= col.attribute("max").as_int()) {
            const int id = nth(m_styles.child("styleSheet").child("cellXfs"), "xf", col.attribute("style").as_int())
                               .attribute("numFmtId")
                               .as_int();
            for (pugi::xml_node format : m_styles.child("styleSheet").child("numFmts").children("numFmt")) {
                if (format.attribute("numFmtId").as_int() == id)
                    return QString::fromUtf8(format.attribute("formatCode").value());
            }
        }
    }
    return QString();
}

double XlsxParts::rowHeight(int row) const
{
    for (pugi::xml_node node : m_sheet.child("worksheet").child("sheetData").children("row")) {
        if (node.attribute("r").as_int() == row)
            return node.attribute("ht").as_double();
    }
    return 0;
}

QStringList XlsxParts::merges() const
{
    QStringList ranges;
    for (pugi::xml_node merge : m_sheet.child("worksheet").child("mergeCells").children("mergeCell"))
        ranges << QString::fromUtf8(merge.attribute("ref").value());
    return ranges;
}

QList<XlsxParts::Run> XlsxParts::runs(const QString& cell) const
{
    QList<Run> result;
    for (pugi::xml_node run : stringItem(cell).children("r")) {
        const pugi::xml_node properties = run.child("rPr");
        result.append({ QString::fromUtf8(run.child("t").text().get()), bool(properties.child("b")),
            properties.child("sz").attribute("val").as_double(), rgbOf(properties.child("color")) });
    }
    return result;
}
