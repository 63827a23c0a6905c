#pragma once

#include <QString>

// Shows the user manual, opened at its contents page.
class HelpViewer
{
public:
    virtual ~HelpViewer() = default;
    virtual void showHelp(const QString& file) = 0;
};
