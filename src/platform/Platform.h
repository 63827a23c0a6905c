#pragma once

class SettingsStore;
class Messages;
class Clock;
class Screen;
class Launcher;
class HelpViewer;
class Printer;

// What the program asks of the machine it runs on, one interface each. The program uses the Qt
// implementations; tests hand in fakes.
struct Platform
{
    SettingsStore& settings;
    Messages& messages;
    Clock& clock;
    Screen& screen;
    Launcher& launcher;
    HelpViewer& help;
    Printer& printer;
};
