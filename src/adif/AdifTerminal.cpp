#include "adif/AdifTerminal.h"

#include "adif/AdifOperations.h"
#include "app/AppDir.h"
#include "app/CommandLine.h"
#include "platform/QtSettingsStore.h"
#include "platform/Terminal.h"
#include "postal/PostalBase.h"

#include <QCoreApplication>

int runAdifOnTerminal(const CommandLine& line, int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString appDir = nameProgramAndChooseAppDir();
    if (const QString leftAside = logsLeftAsideMessage(QCoreApplication::applicationDirPath(), appDir);
        !leftAside.isEmpty())
        writeToTerminal(QStringLiteral("kerlanic : ")
                + QString(leftAside).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) + u'\n',
            TerminalStream::Error);
    QtSettingsStore settings;
    const TerminalAnswer answer = runAdifCommand(line, appDir, settings,
        {QCoreApplication::applicationVersion(), QDateTime::currentDateTimeUtc()}, PostalBase::shipped());
    if (!answer.output.isEmpty())
        writeToTerminal(answer.output, TerminalStream::Output);
    if (!answer.error.isEmpty())
        writeToTerminal(answer.error, TerminalStream::Error);
    return answer.status;
}
