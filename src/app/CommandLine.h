#pragma once

#include <QString>
#include <QStringList>

// What Kerlanic is asked to do when it starts. Without arguments it opens its window; the other
// commands answer on the terminal and need no display, so that they work in a script or over ssh.
enum class Command {
    OpenWindow,
    ShowHelp,
    ShowVersion,
    // The log written as an ADIF file, or the contacts of an ADIF file brought into the log.
    ExportAdif,
    ImportAdif,
    // The arguments make no sense; the refusal says why.
    Refuse,
};

struct CommandLine
{
    Command command = Command::OpenWindow;
    // What follows a command that takes something (a file name).
    QStringList operands;
    // --station: the station whose log is meant, as typed; empty for the station of the settings.
    QString station;
    // --dry-run: show what would be done, write nothing.
    bool dryRun = false;
    // For Refuse: the message for the terminal, ending with a hint at --help.
    QString refusal;
};

// arguments[0] is the program itself, as in QCoreApplication::arguments().
CommandLine parseCommandLine(const QStringList& arguments);

// The French usage text: every command with its help line.
QString helpText();
QString versionText();

// Prints what a command other than OpenWindow asks for and returns the exit status: 0, or 2 for
// a refused command line.
int answerOnTerminal(const CommandLine& line);
