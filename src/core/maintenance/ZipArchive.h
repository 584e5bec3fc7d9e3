#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A ZIP archive of plain files under their bare names, deflated at level 9. Members are streamed from and to
// their files, never held whole in memory.
class ZipArchive {
public:
    struct Member {
        QString name; // the bare name inside the archive
        QString path; // the file it is read from
    };

    // Writes the archive at path. The archive is written aside and renamed over path only when complete, so a
    // failure (a full disk) leaves no truncated archive.
    static bool create(const QString& path, const QList<Member>& members, QString& error);
    // The member names; false when the file is no readable archive.
    static bool names(const QString& path, QStringList& names, QString& error);
    // Writes the named members into folder under their own names; a damaged member (bad checksum, short data)
    // fails the whole extraction.
    static bool extract(const QString& path, const QStringList& members, const QString& folder, QString& error);
    // A name that is a plain file name: no folder part, not "." or "..".
    static bool isPlainFileName(const QString& name);
};
