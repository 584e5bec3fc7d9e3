#pragma once

#include <QStringList>

class QDateTime;
class Storage;
class WorkingPaths;
class Workspace;
class QIODevice;

// Packs the working data into a ZIP archive named by the time the backup began: a consistent copy of the
// database made by SQLite and the other plain files of the data folder. On a removable medium the archive is
// spread over as many media as it needs, asking for each; under a part size it is cut into parts in the folder.
class DataBackup {
public:
    DataBackup(Workspace& workspace, Storage& storage);

    // Parts of at most this many bytes in the same folder, without questions; 0 for one archive.
    void setPartSize(qint64 bytes) { m_partSize = bytes; }

    // Asks for the folder; false without a message when the user cancels.
    bool backup();
    // Backs up into an existing folder.
    bool backupTo(const QString& folder);
    // The files the last backup wrote, in part order.
    const QStringList& written() const { return m_written; }

    // Removes what backups killed before their end left behind: their work folders and, where they wrote, their
    // temporary files and an unfinished set of parts. What a running backup holds stays.
    static void removeLeftovers(const WorkingPaths& paths);

    // The folder of an unattended backup: <home>/AUTODB_BACKUP/yyyymmddhhnnss/.
    static QString automaticFolder(const WorkingPaths& paths, const QDateTime& at);
    static QString folderCaption();
    static QString cancelledMessage();

private:
    bool copyDatabase(const QString& target);
    bool writeArchive(const QString& target, const QString& databaseCopy);
    bool writeSlices(const QString& folder, const QString& stamp, const QString& archive);
    bool writeToMedia(const QString& folder, const QString& stamp, const QString& archive);
    qint64 measureMedium(const QString& folder, const QString& stamp, int number);
    bool writePart(QIODevice& archive, qint64 bytes, const QString& target, const QString& failureText);
    bool cancel();
    static void removeUnfinished(const QString& folder, const QString& stamp, bool sliced);

    Workspace& m_workspace;
    Storage& m_storage;
    qint64 m_partSize = 0;
    QStringList m_written;
};
