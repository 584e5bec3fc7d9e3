#pragma once

#include "core/edi/send/SentKeys.h"

#include <QByteArray>
#include <QList>
#include <QString>

struct SendFile {
    QString name;
    QByteArray bytes;
    SentKeys keys;
};

// The send files of one generation run, held until every row is known and then written together.
class SendFileSet {
public:
    void add(const QString& name, const QByteArray& bytes, const SentKeys& keys)
    {
        m_files << SendFile { name, bytes, keys };
    }
    const QList<SendFile>& files() const { return m_files; }
    bool isEmpty() const { return m_files.isEmpty(); }

    // Writes every file into directory, each whole or not at all. On the first failure the files written so
    // far are removed again: false with the reason in error.
    bool writeTo(const QString& directory, QString& error) const;
    // Removes the files of this set from directory (after a failed commit).
    void removeFrom(const QString& directory) const;

private:
    QList<SendFile> m_files;
};
