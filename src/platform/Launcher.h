#pragma once

#include <QString>

// Starts an outside program and does not wait for it.
class Launcher
{
public:
    virtual ~Launcher() = default;
    // False when the program could not be started.
    virtual bool startDetached(const QString& program) = 0;
};
