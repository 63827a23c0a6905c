#pragma once

#include "platform/Platform.h"
#include "platform/QtHelpViewer.h"
#include "platform/QtLauncher.h"
#include "platform/QtMessages.h"
#include "platform/QtPrinter.h"
#include "platform/QtScreen.h"
#include "platform/QtSettingsStore.h"
#include "platform/SystemClock.h"

// The real machine behind the platform interfaces.
struct QtPlatform
{
    QtSettingsStore settings;
    QtMessages messages;
    SystemClock clock;
    QtScreen screen;
    QtLauncher launcher;
    QtHelpViewer help;
    QtPrinter printer;

    Platform platform() { return {settings, messages, clock, screen, launcher, help, printer}; }
};
