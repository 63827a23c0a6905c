// One change of the log F6ABC_CP.txt of a folder, made as Kerlanic makes it, for the tests that
// kill it or make its system calls fail from outside:
//   logtool <folder> add <record> | replace <chosen line> <record> | delete <chosen line>
// Prints why and exits 1 when the log was left as it was.
#include "log/LogRewriter.h"
#include "log/StationLog.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 4)
        return 2;
    const StationLog log(QString::fromLocal8Bit(argv[1]), QStringLiteral("F6ABC"));
    const QByteArray operation = argv[2];
    const QByteArray chosen = argv[3];
    const LineMatcher isChosen = [&](QByteArrayView line) { return line == chosen; };
    RewriteResult result;
    if (operation == "add")
        result = Ajoute_Ligne(log, chosen);
    else if (operation == "replace" && argc > 4)
        result = Remplace_Ligne(log, argv[4], isChosen);
    else if (operation == "delete")
        result = Supprime_Ligne(log, isChosen);
    std::fputs(result.reason.toUtf8().constData(), stdout);
    return result.done ? 0 : 1;
}
