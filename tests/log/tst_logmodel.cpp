#include "log/LogRewriter.h"
#include "log/Points.h"
#include "log/StationLog.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What the model knows of a record: its postal code as a number (Corsica as 20xxx), which gives
// both its place in the log and its département.
qint64 codeValue(const QByteArray& line)
{
    const bool corsica = line.startsWith("2A") || line.startsWith("2B");
    return corsica ? 20000 + line.mid(2, 3).toInt() : line.left(5).toInt();
}

QByteArray drawRecord(QRandomGenerator& random)
{
    static const QList<QByteArray> rare {"00000", "01000", "2A004", "2B200", "75001"};
    // Most records fall in one département, so that its 25 places fill up.
    const QByteArray code = random.bounded(4) == 0 ? rare[random.bounded(rare.size())]
                                                   : QByteArray::number(45000 + random.bounded(1000));
    const QByteArray callsign = random.bounded(2) ? "F6ABC       " : "F5XYZ       ";
    const QByteArray dfcf = random.bounded(3) == 0 ? "37001" : "     ";
    return code + " 12/03/06 " + callsign + ' ' + char('0' + random.bounded(5)) + " SSB    14 Mhz  " + dfcf
        + (random.bounded(2) ? "ORLEANS" : "");
}

// The log as it must be after the operations: the records in order of their postal code, each
// after those of the same code; the first 25 records of each département score when confirmed.
struct Model
{
    QList<QByteArray> lines;

    void add(const QByteArray& record)
    {
        qsizetype at = 0;
        while (at < lines.size() && codeValue(lines[at]) <= codeValue(record))
            ++at;
        lines.insert(at, record);
    }
    QByteArray bytes() const
    {
        QByteArray all;
        for (const QByteArray& line : lines)
            all += line + "\r\n";
        return all;
    }
    QString total() const
    {
        QHash<qint64, int> places;
        qint64 tenths = 0;
        for (const QByteArray& line : lines) {
            const qint64 code = codeValue(line);
            const qint64 bonus = line.mid(45, 5).trimmed().toLongLong();
            if (++places[code / 1000] <= 25 && (line[28] == '3' || line[28] == '4'))
                tenths += code * 10 + bonus;
        }
        return formatPoints(tenths);
    }
};

} // namespace

// Random sequences of adds, modifications, cancels and station switches, each one checked after
// every step against a model of the log. A failure names its seed and the steps that led to it.
class TestLogModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomSequencesMatchTheModel();
};

void TestLogModel::randomSequencesMatchTheModel()
{
    for (quint32 seed = 1; seed <= 1000; ++seed) {
        // The model checks what is written, not the disk: a folder in memory keeps 1,000 runs quick.
        QTemporaryDir dir(QFile::exists("/dev/shm") ? "/dev/shm/kerlanic-model" : QString());
        QRandomGenerator random(seed);
        const QList<StationLog> logs {StationLog(dir.path(), "F6ABC"), StationLog(dir.path(), "F6ABC_P")};
        QList<Model> models(2);
        int station = 0;
        QByteArrayList steps;
        for (int step = random.bounded(1, 100); step > 0; --step) {
            Model& model = models[station];
            const QByteArray record = drawRecord(random);
            const int action = model.lines.isEmpty() ? 0 : random.bounded(10);
            const QByteArray chosen
                = model.lines.value(random.bounded(qMax<qsizetype>(1, model.lines.size())));
            const LineMatcher isChosen = [&](QByteArrayView line) { return line == chosen; };
            RewriteResult result {true, {}, model.lines};
            if (action < 6) {
                steps << "add " + record;
                result = Ajoute_Ligne(logs[station], record);
                model.add(record);
            } else if (action < 8) {
                // Half the modifications keep the postal code, half move the record.
                const QByteArray changed = random.bounded(2) ? chosen.left(5) + record.mid(5) : record;
                steps << "modify " + chosen + " into " + changed;
                result = Remplace_Ligne(logs[station], changed, isChosen);
                const qsizetype at = model.lines.indexOf(chosen);
                if (changed.left(5) == chosen.left(5))
                    model.lines[at] = changed;
                else {
                    model.lines.removeAt(at);
                    model.add(changed);
                }
            } else if (action < 9) {
                steps << "cancel " + chosen;
                result = Supprime_Ligne(logs[station], isChosen);
                model.lines.removeOne(chosen);
            } else {
                station = 1 - station;
                steps << "switch to " + logs[station].path().toUtf8();
                result.lines = models[station].lines;
            }
            QFile file(logs[station].path());
            const QByteArray written = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            const bool same = result.done && result.lines == models[station].lines
                && written == models[station].bytes()
                && Total_Points(logs[station].readLines()) == models[station].total();
            QVERIFY2(same,
                QByteArray("seed " + QByteArray::number(seed) + ", after:\n  " + steps.join("\n  "))
                    .constData());
        }
    }
}

QTEST_GUILESS_MAIN(TestLogModel)
#include "tst_logmodel.moc"
