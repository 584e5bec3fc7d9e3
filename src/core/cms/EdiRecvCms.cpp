#include "core/cms/EdiRecvCms.h"

#include "core/cms/CmsInquiryFile.h"
#include "core/edi/receive/ImportStatement.h"

EdiRecvCms::EdiRecvCms(Database& database, const Workspace& context)
    : EdiResultImporter(database, context)
{
}

// A name that two columns share is read once.
QStringList EdiRecvCms::fileNames()
{
    ImportStatement query(database(),
        QStringLiteral("SELECT HY1 FName FROM UserCode GROUP BY HY1"
                       " UNION ALL"
                       " SELECT HY2 FName FROM UserCode GROUP BY HY2"
                       " UNION ALL"
                       " SELECT HY3 FName FROM UserCode GROUP BY HY3"));
    query.select();
    QStringList names;
    while (query.next()) {
        const QString name = query.value(0).toString().trimmed();
        if (!name.isEmpty() && !names.contains(name))
            names << name;
    }
    return names;
}

void EdiRecvCms::readFile(const QString& fileName, const QByteArray& bytes)
{
    CmsInquiryFile file(database(), fileName);
    file.read(bytes, [this](const TEdiInfo& row) { report(row); });
}
