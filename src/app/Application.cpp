#include "app/Application.h"

#include "app/AppDir.h"
#include "app/MainWindow.h"
#include "app/ProgramState.h"
#include "app/QtPlatform.h"
#include "app/SingleCopy.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QTranslator>

int runKerlanic(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Kerlanic"));
    QApplication::setOrganizationName(QStringLiteral("Kerlanic"));
    QApplication::setApplicationVersion(QStringLiteral("1.1.0"));

    // Qt's own buttons and dialogs in French: "Oui", "Non", the print dialog.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);

    ProgramState state;
    state.appDir = chooseAppDir(QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));

    QtPlatform qt;
    Platform platform = qt.platform();

    // One copy at a time on a folder: a second one would rewrite the same logs.
    QLockFile lock(appDirLockPath(state.appDir));
    if (claimAppDir(lock) == AppDirClaim::HeldByAnotherCopy) {
        platform.messages.inform(alreadyOpenMessage(state.appDir));
        return 1;
    }

    const QStringList notInstalled = installShippedFiles(state.appDir);
    for (const QString& name : notInstalled)
        platform.messages.inform(QStringLiteral("Le fichier %1 n'a pas pu être créé dans le dossier %2.")
                                     .arg(name, QDir::toNativeSeparators(state.appDir)));

    MainWindow window(AppContext {state, platform});
    window.startUp();
    return app.exec();
}
