#pragma once

#include "platform/Launcher.h"

class QtLauncher : public Launcher
{
public:
    bool startDetached(const QString& program) override;
};
