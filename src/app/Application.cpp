#include "app/Application.h"

#include "app/AppDir.h"
#include "app/MainWindow.h"
#include "app/ProgramState.h"
#include "app/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
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
    const QStringList notInstalled = installShippedFiles(state.appDir);

    QtPlatform qt;
    Platform platform = qt.platform();
    for (const QString& name : notInstalled)
        platform.messages.inform(QStringLiteral("Le fichier %1 n'a pas pu être créé dans le dossier %2.")
                                     .arg(name, QDir::toNativeSeparators(state.appDir)));

    MainWindow window(AppContext {state, platform});
    window.startUp();
    return app.exec();
}
