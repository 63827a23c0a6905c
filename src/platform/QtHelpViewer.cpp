#include "platform/QtHelpViewer.h"

#include "platform/WindowAccessible.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

QtHelpViewer::QtHelpViewer(QWidget* owner)
    : m_owner(owner)
{ }

void QtHelpViewer::showHelp(const QString& file)
{
    QWidget* window = m_browser ? m_browser->window() : nullptr;
    if (!window) {
        // A window of its own around the page, so that a screen reader announces a window by its
        // caption and then reads the page.
        announceWindowsByCaption();
        window = new QWidget(m_owner, Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setObjectName(QStringLiteral("Aide"));
        window->setWindowTitle(QStringLiteral("Kerlanic - Mode d'emploi"));
        auto* layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        m_browser = new QTextBrowser(window);
        m_browser->setOpenExternalLinks(true);
        layout->addWidget(m_browser);
        window->resize(760, 620);
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            // Within the screen, room kept for the title bar: on 800 x 600 it would start above it.
            const QRect area = screen->availableGeometry();
            const int titleBar = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
            window->resize(window->size().boundedTo(area.size() - QSize(0, titleBar)));
            const QPoint centred = area.center() - window->rect().center();
            window->move(std::max(centred.x(), area.left()), std::max(centred.y(), area.top()));
        }
    }
    // The manual is HTML whatever its file name ends with; opening it again goes back to its
    // contents page.
    m_browser->setSource(QUrl::fromLocalFile(file), QTextDocument::HtmlResource);
    window->show();
    window->raise();
    window->activateWindow();
}
