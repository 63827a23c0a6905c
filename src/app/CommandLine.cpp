#include "app/CommandLine.h"

#include "app/Version.h"
#include "platform/Terminal.h"

#include <algorithm>

namespace {

// Every command of the program. A new command is one more row (its help line comes with it) and
// its handling where the command line is answered.
struct KnownCommand
{
    const char* names; // as the help shows them: the short form first
    Command command;
    // What the command takes, as the help names it ("FICHIER"); empty when nothing.
    const char* operand;
    const char* help;
};

constexpr KnownCommand kCommands[] = {
    {"-h, --help", Command::ShowHelp, "", "affiche cette aide"},
    {"--version", Command::ShowVersion, "", "affiche la version de Kerlanic"},
};

const KnownCommand* findCommand(const QString& argument)
{
    for (const KnownCommand& known : kCommands) {
        const QStringList names = QString::fromUtf8(known.names).split(QStringLiteral(", "));
        if (names.contains(argument))
            return &known;
    }
    return nullptr;
}

CommandLine refused(const QString& why)
{
    return {Command::Refuse, {},
        QStringLiteral("kerlanic : %1\nPour la liste des commandes : kerlanic --help\n").arg(why)};
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    if (arguments.size() < 2)
        return {};
    const QString& name = arguments.at(1);
    const KnownCommand* known = findCommand(name);
    if (!known)
        return refused(QStringLiteral("« %1 » n'est pas une commande de Kerlanic.").arg(name));
    const QStringList operands = arguments.mid(2);
    const qsizetype wanted = *known->operand ? 1 : 0;
    if (operands.size() < wanted)
        return refused(QStringLiteral("%1 attend %2.").arg(name, QString::fromUtf8(known->operand)));
    if (operands.size() > wanted)
        return refused(QStringLiteral("« %1 » est de trop après %2.").arg(operands.at(wanted), name));
    return {known->command, operands, {}};
}

QString helpText()
{
    QString text = QStringLiteral("Utilisation : kerlanic [commande]\n\n"
                                  "Sans commande, Kerlanic ouvre son carnet de trafic.\n\n"
                                  "Commandes :\n");
    QStringList left;
    qsizetype width = 0;
    for (const KnownCommand& known : kCommands) {
        const QString operand = QString::fromUtf8(known.operand);
        left << (operand.isEmpty() ? QString::fromUtf8(known.names)
                                   : QString::fromUtf8(known.names) + u' ' + operand);
        width = std::max(width, left.constLast().size());
    }
    for (qsizetype i = 0; i < left.size(); ++i)
        text += QStringLiteral("  ") + left.at(i).leftJustified(width + 3)
            + QString::fromUtf8(kCommands[i].help) + QLatin1Char('\n');
    return text;
}

QString versionText()
{
    return QStringLiteral("Kerlanic " KERLANIC_VERSION "\n");
}

int answerOnTerminal(const CommandLine& line)
{
    switch (line.command) {
    case Command::ShowHelp:
        writeToTerminal(helpText(), TerminalStream::Output);
        return 0;
    case Command::ShowVersion:
        writeToTerminal(versionText(), TerminalStream::Output);
        return 0;
    case Command::Refuse:
        writeToTerminal(line.refusal, TerminalStream::Error);
        return 2;
    case Command::OpenWindow:
        break;
    }
    return 0;
}
