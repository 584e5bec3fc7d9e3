#pragma once

#include <QString>

class EdiModule;

// The program's layer over the communication module: one wrapper per entry point, the last operation's
// kind and code, and the status text they give.
class EdiComm32 {
public:
    enum class Kind { None = 0, Send = 1, Receive = 2, SendReceive = 3, ReReceive = 4, ResultReceive = 5, Setup = 6 };

    explicit EdiComm32(EdiModule& module)
        : m_module(module)
    {
    }

    // Each true when the module's code is greater than 0.
    bool envSetup();
    bool send();
    bool receive();
    bool reReceive();
    bool resultReceiveNoDlg();
    // True when the overall code is greater than 0 and at least one side went through (code >= 0).
    // A failed side takes over the kind and code, the receive side last.
    bool sendReceive(bool& sendOk, bool& receiveOk);

    Kind lastKind() const { return m_lastKind; }
    int lastCode() const { return m_lastCode; }
    // The two side codes of the last send and receive.
    int lastSendCode() const { return m_lastSendCode; }
    int lastReceiveCode() const { return m_lastReceiveCode; }

    // The status text of the last operation; meaningful right after the call it describes.
    QString resultText() const { return resultText(m_lastKind, m_lastCode); }
    static QString resultText(Kind kind, int code);

private:
    bool record(int code);

    EdiModule& m_module;
    Kind m_lastKind = Kind::None;
    int m_lastCode = 0;
    int m_lastSendCode = -1;
    int m_lastReceiveCode = -1;
};
