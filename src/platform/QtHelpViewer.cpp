#include "platform/QtHelpViewer.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>

QtHelpViewer::QtHelpViewer(QWidget* owner)
    : m_owner(owner)
{ }

void QtHelpViewer::showHelp(const QString& file)
{
    if (!m_browser) {
        m_browser = new QTextBrowser(m_owner);
        m_browser->setWindowFlag(Qt::Window);
        m_browser->setAttribute(Qt::WA_DeleteOnClose);
        m_browser->setObjectName(QStringLiteral("Aide"));
        m_browser->setWindowTitle(QStringLiteral("Kerlanic - Mode d'emploi"));
        m_browser->setOpenExternalLinks(true);
        m_browser->resize(760, 620);
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            m_browser->move(area.center() - m_browser->rect().center());
        }
    }
    // The manual is HTML whatever its file name ends with; opening it again goes back to its
    // contents page.
    m_browser->setSource(QUrl::fromLocalFile(file), QTextDocument::HtmlResource);
    m_browser->show();
    m_browser->raise();
    m_browser->activateWindow();
}
