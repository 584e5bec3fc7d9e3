#pragma once

#include <QString>
#include <QStringList>

// The working paths of an installation. What Windows called the program directory is the home
// directory here; every directory value ends with "/".
class WorkingPaths {
public:
    explicit WorkingPaths(const QString& home);

    // --home DIR (taken out of the arguments), else FBMORV_HOME, else ~/.local/share/fbmorv/.
    static QString resolveHome(QStringList& arguments);
    static QString withTrailingSeparator(const QString& path);

    const QString& programDir() const { return m_programDir; }
    QString dataDir() const { return m_programDir + QStringLiteral("Data/"); }
    QString databaseFile() const { return dataDir() + databaseFileName(); }
    // The working database's file name in a data directory.
    static QString databaseFileName() { return QStringLiteral("FbMorv.db"); }
    QString blankDatabase() const { return m_programDir + QStringLiteral("BlankDB.bin"); }
    QString settingsFile() const { return m_programDir + QStringLiteral("Firm.ini"); }
    QString registryFile() const { return m_programDir + QStringLiteral("Registry.ini"); }
    QString pictureDir() const { return m_programDir + QStringLiteral("Bmps/"); }
    QString tempDir() const { return m_programDir + QStringLiteral("Temp/"); }
    QString terminalProgram() const { return m_programDir + QStringLiteral("Brisanet/Brisanet.exe"); }
    QString terminalSettingsFile() const { return m_programDir + QStringLiteral("Brisanet/Brisanet.ini"); }
    QString dataManagerProgram() const { return m_programDir + QStringLiteral("DataManager.exe"); }
    QString lockFile() const { return m_programDir + QStringLiteral("fbmorv.lock"); }

    const QString& sendPath() const { return m_sendPath; }
    const QString& receivePath() const { return m_receivePath; }
    const QString& resultPath() const { return m_resultPath; }
    QString reportFileBase() const { return m_resultPath + QStringLiteral("RptEDI"); }

    // The exchange paths from the communication settings, each given exactly one trailing separator.
    void setExchangePaths(const QString& send, const QString& receive, const QString& result);

    // Creates the home with every working directory (missing parents too); false when one cannot be made.
    bool createDirectories() const;

private:
    QString m_programDir;
    QString m_sendPath;
    QString m_receivePath;
    QString m_resultPath;
};
