#include "app/CommandLine.h"

#include <QTest>

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void helpListsTheCommandsInAColumn();
};

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("refusal");
    const QString hint = QStringLiteral("\nPour la liste des commandes : kerlanic --help\n");
    QTest::newRow("no argument opens the window")
        << QStringList {"kerlanic"} << int(Command::OpenWindow) << "";
    QTest::newRow("--help") << QStringList {"kerlanic", "--help"} << int(Command::ShowHelp) << "";
    QTest::newRow("-h") << QStringList {"kerlanic", "-h"} << int(Command::ShowHelp) << "";
    QTest::newRow("--version") << QStringList {"kerlanic", "--version"} << int(Command::ShowVersion) << "";
    QTest::newRow("misspelt command")
        << QStringList {"kerlanic", "--verison"} << int(Command::Refuse)
        << "kerlanic : « --verison » n'est pas une commande de Kerlanic." + hint;
    QTest::newRow("a log given as if it could be opened")
        << QStringList {"kerlanic", "F6ABC_CP.txt"} << int(Command::Refuse)
        << "kerlanic : « F6ABC_CP.txt » n'est pas une commande de Kerlanic." + hint;
    QTest::newRow("import without its file")
        << QStringList {"kerlanic", "import-adif", "--dry-run"} << int(Command::Refuse)
        << "kerlanic : import-adif attend FICHIER." + hint;
    QTest::newRow("option of another command")
        << QStringList {"kerlanic", "export-adif", "--dry-run", "f.adi"} << int(Command::Refuse)
        << "kerlanic : « --dry-run » n'est pas une option de export-adif." + hint;
    QTest::newRow("station without callsign")
        << QStringList {"kerlanic", "export-adif", "f.adi", "--station"} << int(Command::Refuse)
        << "kerlanic : --station attend un indicatif." + hint;
    QTest::newRow("argument too many") << QStringList {"kerlanic", "--version", "-h"} << int(Command::Refuse)
                                       << "kerlanic : « -h » est de trop après --version." + hint;
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, command);
    QFETCH(QString, refusal);
    const CommandLine line = parseCommandLine(arguments);
    QCOMPARE(int(line.command), command);
    QCOMPARE(line.refusal, refusal);
}

void TestCommandLine::helpListsTheCommandsInAColumn()
{
    QCOMPARE(helpText(),
        QStringLiteral("Utilisation : kerlanic [commande]\n\n"
                       "Sans commande, Kerlanic ouvre son carnet de trafic.\n\n"
                       "Commandes :\n"
                       "  -h, --help   affiche cette aide\n"
                       "  --version    affiche la version de Kerlanic\n"
                       "  export-adif [--station INDICATIF] FICHIER\n"
                       "               écrit le carnet en ADIF (ADX si FICHIER finit par .adx)\n"
                       "  import-adif [--station INDICATIF] [--dry-run] FICHIER\n"
                       "               importe les contacts français d'un fichier ADIF ; avec --dry-run, les "
                       "montre sans rien écrire\n"));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
