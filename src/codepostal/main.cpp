// CodePostal: finds French postal codes and communes as you type, and copies the postal code
// to paste into the logbook. Started by Kerlanic's "Recherche C.P. ou Commune" button.

#include "app/ProgramIcon.h"
#include "app/Version.h"
#include "codepostal/CodePostalWindow.h"
#include "postal/PostalBase.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CodePostal"));
    QApplication::setOrganizationName(QStringLiteral("Kerlanic"));
    QApplication::setApplicationVersion(QStringLiteral(KERLANIC_VERSION));
    QApplication::setWindowIcon(programIcon());

    // Qt's own texts (the search box's context menu) in French.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);

    CodePostalWindow window(PostalBase::shipped());
    if (const QScreen* screen = window.screen()) {
        const QRect area = screen->availableGeometry();
        window.move(area.center() - window.rect().center());
    }
    window.show();
    return app.exec();
}
