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
    // The options it accepts, as the help shows them ("[--station INDICATIF]"): an option
    // followed by a word in capitals takes a value.
    const char* options;
    // What the command takes, as the help names it ("FICHIER"); empty when nothing.
    const char* operand;
    const char* help;
};

constexpr KnownCommand kCommands[] = {
    {"-h, --help", Command::ShowHelp, "", "", "affiche cette aide"},
    {"--version", Command::ShowVersion, "", "", "affiche la version de Kerlanic"},
    {"export-adif", Command::ExportAdif, "[--station INDICATIF]", "FICHIER",
        "écrit le carnet en ADIF (ADX si FICHIER finit par .adx)"},
    {"import-adif", Command::ImportAdif, "[--station INDICATIF] [--dry-run]", "FICHIER",
        "importe les contacts français d'un fichier ADIF ; avec --dry-run, les montre sans rien "
        "écrire"},
};

// The widest command whose help stands on the same line.
constexpr qsizetype kHelpColumn = 24;

// Whether a command accepts an option, and whether the option takes a value.
struct OptionUse
{
    bool known = false;
    bool takesValue = false;
};

OptionUse optionOf(const KnownCommand& known, const QString& option)
{
    const QStringList shown = QString::fromUtf8(known.options).split(u'[', Qt::SkipEmptyParts);
    for (const QString& one : shown) {
        const QStringList words = one.section(u']', 0, 0).split(u' ');
        if (words.constFirst() == option)
            return {true, words.size() > 1};
    }
    return {};
}

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
    CommandLine line;
    line.command = Command::Refuse;
    line.refusal = QStringLiteral("kerlanic : %1\nPour la liste des commandes : kerlanic --help\n").arg(why);
    return line;
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
    CommandLine line;
    line.command = known->command;
    QStringList operands;
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!*known->options || !argument.startsWith(u'-') || argument == u"-") {
            operands << argument;
            continue;
        }
        const OptionUse option = optionOf(*known, argument);
        if (!option.known)
            return refused(QStringLiteral("« %1 » n'est pas une option de %2.").arg(argument, name));
        if (option.takesValue && i + 1 == arguments.size())
            return refused(QStringLiteral("%1 attend un indicatif.").arg(argument));
        if (argument == u"--station")
            line.station = arguments.at(++i);
        else if (argument == u"--dry-run")
            line.dryRun = true;
    }
    const qsizetype wanted = *known->operand ? 1 : 0;
    if (operands.size() < wanted)
        return refused(QStringLiteral("%1 attend %2.").arg(name, QString::fromUtf8(known->operand)));
    if (operands.size() > wanted)
        return refused(QStringLiteral("« %1 » est de trop après %2.").arg(operands.at(wanted), name));
    line.operands = operands;
    return line;
}

QString helpText()
{
    QString text = QStringLiteral("Utilisation : kerlanic [commande]\n\n"
                                  "Sans commande, Kerlanic ouvre son carnet de trafic.\n\n"
                                  "Commandes :\n");
    QStringList left;
    qsizetype width = 0;
    for (const KnownCommand& known : kCommands) {
        QStringList parts {QString::fromUtf8(known.names)};
        for (const char* more : {known.options, known.operand}) {
            if (*more)
                parts << QString::fromUtf8(more);
        }
        left << parts.join(u' ');
        if (left.constLast().size() <= kHelpColumn)
            width = std::max(width, left.constLast().size());
    }
    // A command with long options has its help on the next line, in the same column.
    for (qsizetype i = 0; i < left.size(); ++i) {
        text += QStringLiteral("  ") + left.at(i);
        text += left.at(i).size() <= kHelpColumn ? QString(width + 3 - left.at(i).size(), u' ')
                                                 : u'\n' + QString(width + 5, u' ');
        text += QString::fromUtf8(kCommands[i].help) + QLatin1Char('\n');
    }
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
    case Command::ExportAdif:
    case Command::ImportAdif:
        break;
    }
    return 0;
}
