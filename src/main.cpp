#include "adif/AdifTerminal.h"
#include "app/Application.h"
#include "app/CommandLine.h"
#include "platform/Terminal.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Read before any application object exists: only the window needs a display, and --version
    // or --help must answer on a machine without one.
    const CommandLine line = parseCommandLine(programArguments(argc, argv));
    if (line.command == Command::ExportAdif || line.command == Command::ImportAdif)
        return runAdifOnTerminal(line, argc, argv);
    if (line.command != Command::OpenWindow)
        return answerOnTerminal(line);
    QApplication app(argc, argv);
    return runKerlanic(app);
}
