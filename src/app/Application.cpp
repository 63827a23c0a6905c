#include "app/Application.h"

#include "app/AppDir.h"
#include "app/MainWindow.h"
#include "app/ProgramIcon.h"
#include "app/QtPlatform.h"
#include "app/SessionBus.h"
#include "app/SingleCopy.h"
#include "app/Version.h"
#include "model/Logbook.h"
#include "postal/PostalBase.h"
#include "widgets/FirstPaint.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLockFile>
#include <QTranslator>

#include <thread>

int runKerlanic(QApplication& app)
{
    return runKerlanicIn(app, nameProgramAndChooseAppDir());
}

int runKerlanicIn(QApplication& app, const QString& appDir)
{
    const SessionBusConnection sessionBus;
    // Under X the title bar's icon is decoded, all seven sizes of it, as soon as it is given:
    // some 3 ms that would delay the main window if given before its first paint. A message shown
    // before the main window is painted first and gets the icon just after.
    afterFirstWindowPainted(app, [] { QApplication::setWindowIcon(programIcon()); });
    // Lets the desktop match the window to the menu entry and its icon (Wayland needs it).
    QGuiApplication::setDesktopFileName(QStringLiteral(KERLANIC_DESKTOP_ID));

    // Qt's own buttons and dialogs in French: "Oui", "Non", the print dialog.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);

    QtPlatform qt;
    Platform platform = qt.platform();

    // One copy at a time on a folder: a second one would rewrite the same logs.
    QLockFile lock(appDirLockPath(appDir));
    if (const QString refusal = claimAppDir(lock, appDir); !refusal.isEmpty()) {
        platform.messages.inform(refusal);
        return 1;
    }

    if (const QString leftAside = logsLeftAsideMessage(QCoreApplication::applicationDirPath(), appDir);
        !leftAside.isEmpty())
        platform.messages.inform(leftAside);

    const QStringList notInstalled = installShippedFiles(appDir);
    for (const QString& name : notInstalled)
        platform.messages.inform(QStringLiteral("Le fichier %1 n'a pas pu être créé dans le dossier %2.")
                                     .arg(name, QDir::toNativeSeparators(appDir)));

    // The postal base takes some 60 ms to decode, which the first postal code typed would wait
    // for: it is decoded on another core while the user looks at the window. Not before a window
    // is painted: decoding beside the first paint delays the window by up to 10 ms under X.
    std::thread postalBase;
    Logbook logbook(appDir);
    MainWindow window(logbook, platform);
    afterFirstWindowPainted(
        window, [&postalBase] { postalBase = std::thread([] { PostalBase::shipped(); }); });
    window.startUp();
    const int status = app.exec();
    if (postalBase.joinable())
        postalBase.join();
    return status;
}
