#pragma once

#include <QByteArray>
#include <QString>

// The communication module's settings as the program reads and writes them. The program relies only on
// LoginID, Password, Port, Speed and the three exchange directories; the rest keep the module's settings complete.
struct TEdiConfig {
    // Site values: the access numbers of the two dial-up networks.
    static const QString PrimaryAccessNumber;
    static const QString SecondaryAccessNumber;

    // Every default; the directories are the program directory (with its separator) plus a name.
    static TEdiConfig defaults(const QString& programDir);
    // A directory setting trimmed, or the fallback when it is empty: an empty one would name the root.
    static QString directoryOr(const QString& value, const QString& fallback);

    QString Connect1;
    QString Connect2;
    QString Phone1;
    QString Phone2;
    QString ModemInit;
    QString Port;
    QString Protocol;
    QString Speed;

    QString LoginID;
    // As the module stores it: shifted, one byte per character (see EdiPassword).
    QByteArray Password;
    QString SendDir;
    QString RecvDir;
    QString ResultDir;
    QString ScriptDir;
    bool DeleteCheck = true;
    bool AppendCheck = true;
    bool PasswordCheck = false;
    bool ErrorCheck = false;
    bool CompressCheck = false;
    bool ResultCheck = true;
    bool HeaderCheck = false;
    bool HeaderValCheck = true;
    bool MessageCheck = true;
};
