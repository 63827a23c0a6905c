#pragma once

#include "platform/HelpViewer.h"

#include <QPointer>
#include <QTextBrowser>

// Shows the manual (HTML) in a window of the program, so no outside viewer is needed.
class QtHelpViewer : public HelpViewer
{
public:
    explicit QtHelpViewer(QWidget* owner = nullptr);
    void showHelp(const QString& file) override;

    // The page of the window on screen, if any (for tests).
    QTextBrowser* browser() const { return m_browser; }

private:
    QWidget* m_owner;
    QPointer<QTextBrowser> m_browser;
};
