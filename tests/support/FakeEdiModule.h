#pragma once

#include "core/edi/comm/EdiModule.h"

#include <QStringList>
#include <functional>

// A communication module that answers with set codes and records its calls. sendReceive writes the side
// codes only when a test set them, so that the wrapper's own presetting shows.
class FakeEdiModule : public EdiModule {
public:
    int envSetup(const QString& appName) override { return answer(QStringLiteral("EnvSetup"), appName, setupCode); }
    int send(const QString& appName) override { return answer(QStringLiteral("Send"), appName, sendCode); }
    int receive(const QString& appName) override { return answer(QStringLiteral("Receive"), appName, receiveCode); }
    int reReceive(const QString& appName) override
    {
        return answer(QStringLiteral("ReReceive"), appName, reReceiveCode);
    }
    int resultReceiveNoDlg(const QString& appName) override
    {
        return answer(QStringLiteral("ResultReceiveNoDlg"), appName, resultCode);
    }
    int sendReceive(const QString& appName, int& sendSide, int& receiveSide) override
    {
        if (setsSides) {
            sendSide = sendSideCode;
            receiveSide = receiveSideCode;
        }
        return answer(QStringLiteral("SendReceive"), appName, overallCode);
    }

    // Runs inside EnvSetup, as the module's dialog would store its settings.
    std::function<void()> onEnvSetup;
    // Runs inside Send, before it answers.
    std::function<void()> onSend;

    int setupCode = 1;
    int sendCode = 1;
    int receiveCode = 1;
    int reReceiveCode = 1;
    int resultCode = 1;
    int overallCode = 1;
    bool setsSides = true;
    int sendSideCode = 1;
    int receiveSideCode = 1;

    QStringList calls;
    QString appName;

private:
    int answer(const QString& entryPoint, const QString& name, int code)
    {
        calls << entryPoint;
        appName = name;
        if (entryPoint == QLatin1String("EnvSetup") && onEnvSetup)
            onEnvSetup();
        if (entryPoint == QLatin1String("Send") && onSend)
            onSend();
        return code;
    }
};
