#pragma once

#include <QString>
#include <QStringList>

// The command line and the terminal, before any application object exists: whether the program
// needs a display at all depends on its arguments.

// The arguments the program was started with, the program itself first.
QStringList programArguments(int argc, char* argv[]);

enum class TerminalStream { Output, Error };
void writeToTerminal(const QString& text, TerminalStream stream);
