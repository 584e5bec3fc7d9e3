#pragma once

#include <QByteArray>
#include <QString>

// The communication module behind its six entry points. Each takes the application name and returns a
// code: greater than 0 done, 0 nothing to do (or a cancelled dialog), negative a failure (EdiCode).
class EdiModule {
public:
    virtual ~EdiModule() = default;

    virtual int envSetup(const QString& appName) = 0;
    virtual int send(const QString& appName) = 0;
    virtual int receive(const QString& appName) = 0;
    // Each side's own code lands in sendCode and receiveCode.
    virtual int sendReceive(const QString& appName, int& sendCode, int& receiveCode) = 0;
    virtual int reReceive(const QString& appName) = 0;
    virtual int resultReceiveNoDlg(const QString& appName) = 0;

    enum class Delivery { Delivered, NotDelivered, Unknown };
    // What became of a file handed to send() by a program that ended before it learnt the outcome, given the
    // application name, the file's name in the send directory and the SHA-256 of its bytes in hexadecimal. A module
    // that keeps no record cannot tell.
    virtual Delivery delivery(const QString&, const QString&, const QByteArray&) { return Delivery::Unknown; }
};

// The documented failure codes of the module.
namespace EdiCode {
constexpr int Nothing = 0;
constexpr int Stopped = -1;
constexpr int UserIdMissing = -10;
// The same code from a receive: the received data could not be handled.
constexpr int ReceivedDataError = -10;
constexpr int DirectoryMissing = -20;
constexpr int HeaderCreation = -30;
constexpr int HeaderCheck = -40;
constexpr int Merge = -50;
constexpr int Compression = -60;
constexpr int RegistryError = -777;
constexpr int PasswordFailed = -888;
constexpr int Aborted = -999;
} // namespace EdiCode
