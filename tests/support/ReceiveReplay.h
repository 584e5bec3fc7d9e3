#pragma once

#include "ImportTestHome.h"

#include <QStringList>
#include <optional>

// Feeds any bytes to the readers of received files, as the fuzz targets and the corpus replay do: each time on
// a database holding the fixtures' institutions, one sent batch of every transfer kind and a few consents, all
// emptied again afterwards.
class ReceiveReplay {
public:
    enum class Reader { TransferResults, ConsentResults, CmsInquiries };

    // The reader whose corpus lives in tests/fuzz/corpus/<name>.
    static std::optional<Reader> readerNamed(const QString& name);
    static QString corpusDirectory();

    ReceiveReplay();

    bool isReady() { return m_home.isOpen(); }
    // What one importer made of the bytes, under the name of a file of its kind.
    struct Outcome {
        QString fileName;
        QString refusal; // empty when the bytes were imported
        bool tablesChanged = false;
    };

    // The bytes through every importer of the reader, in turn.
    QList<Outcome> replay(Reader reader, const QByteArray& bytes);

private:
    void seed();
    void empty();
    QStringList tableRows();

    ImportTestHome m_home;
};
