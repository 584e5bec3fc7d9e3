#include "MiniWorkbook.h"

#include <QFile>
#include <zip.h>

const QString MiniWorkbook::SheetPart = QStringLiteral("xl/worksheets/sheet1.xml");
const QString MiniWorkbook::StringsPart = QStringLiteral("xl/sharedStrings.xml");

namespace {

const QByteArray Main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const QByteArray RelationshipTypes = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

QByteArray sheetXml(const QByteArray& rows)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<worksheet xmlns=\"" + Main
        + "\"><sheetData>" + rows + "</sheetData></worksheet>";
}

} // namespace

MiniWorkbook::MiniWorkbook()
{
    m_parts.insert(QStringLiteral("[Content_Types].xml"),
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Types "
        "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>");
    m_parts.insert(QStringLiteral("_rels/.rels"),
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
        "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship Id=\"rId1\" Type=\""
            + RelationshipTypes + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>");
    m_parts.insert(QStringLiteral("xl/workbook.xml"),
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><workbook xmlns=\"" + Main + "\" xmlns:r=\"" + RelationshipTypes
            + "\"><sheets><sheet name=\"Sheet1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>");
    m_parts.insert(QStringLiteral("xl/_rels/workbook.xml.rels"),
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
        "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\""
            + RelationshipTypes + "/worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" Type=\""
            + RelationshipTypes + "/styles\" Target=\"styles.xml\"/><Relationship Id=\"rId3\" Type=\""
            + RelationshipTypes + "/sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>");
    rows({});
    strings({});
    styles({}, {});
}

MiniWorkbook& MiniWorkbook::rows(const QByteArray& rowsXml)
{
    return part(SheetPart, sheetXml(rowsXml));
}

MiniWorkbook& MiniWorkbook::strings(const QByteArray& itemsXml)
{
    return part(
        StringsPart, "<?xml version=\"1.0\" encoding=\"UTF-8\"?><sst xmlns=\"" + Main + "\">" + itemsXml + "</sst>");
}

MiniWorkbook& MiniWorkbook::styles(const QByteArray& numFmtsXml, const QList<int>& numFmtIds)
{
    QByteArray xfs = "<xf numFmtId=\"0\"/>";
    for (int id : numFmtIds)
        xfs += "<xf numFmtId=\"" + QByteArray::number(id) + "\" applyNumberFormat=\"1\"/>";
    return part(QStringLiteral("xl/styles.xml"),
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><styleSheet xmlns=\"" + Main + "\"><numFmts>" + numFmtsXml
            + "</numFmts><cellXfs>" + xfs + "</cellXfs></styleSheet>");
}

MiniWorkbook& MiniWorkbook::part(const QString& name, const QByteArray& content)
{
    m_parts.insert(name, content);
    return *this;
}

MiniWorkbook& MiniWorkbook::remove(const QString& name)
{
    m_parts.remove(name);
    return *this;
}

QByteArray MiniWorkbook::bytes() const
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(buffer);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    for (auto part = m_parts.begin(); part != m_parts.end(); ++part) {
        zip_source_t* source
            = zip_source_buffer(archive, part.value().constData(), zip_uint64_t(part.value().size()), 0);
        zip_file_add(archive, part.key().toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
    }
    zip_close(archive);
    QByteArray bytes;
    zip_source_open(buffer);
    zip_source_seek(buffer, 0, SEEK_END);
    bytes.resize(qsizetype(zip_source_tell(buffer)));
    zip_source_seek(buffer, 0, SEEK_SET);
    zip_source_read(buffer, bytes.data(), zip_uint64_t(bytes.size()));
    zip_source_close(buffer);
    zip_source_free(buffer);
    zip_error_fini(&error);
    return bytes;
}

bool MiniWorkbook::write(const QString& path) const
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes()) >= 0;
}
