// stats, pool and filter of devudirurero-cli, run as a process on a copy of the bundled
// history; expectations come from the history CSV read in the test.
#include "app/settings_store.h"
#include "cli_runner.h"
#include "generator/generation_settings_store.h"
#include "test_data.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString iso(QDate date)
{
    return date.toString(Qt::ISODate);
}

QString drawLine(const Draw &draw)
{
    QStringList parts{iso(draw.date)};
    for (int n : draw.numbers)
        parts << QString::number(n);
    parts << QString::number(draw.megaball);
    return parts.join(QLatin1Char(' '));
}

bool hasRunOfThree(Draw draw)
{
    std::sort(draw.numbers.begin(), draw.numbers.end());
    for (size_t k = 0; k + 2 < draw.numbers.size(); ++k)
        if (draw.numbers[k + 1] == draw.numbers[k] + 1 && draw.numbers[k + 2] == draw.numbers[k] + 2)
            return true;
    return false;
}
} // namespace

class StatisticsCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void pairCountsAndTitle();
    void sumChartStartsAtLowestSum();
    void emptyRangeHasNoTitle();
    void commandErrors_data();
    void commandErrors();
    void poolWithDefaults();
    void poolWithOverrides();
    void poolReadsStoredSettings();
    void filterVerdicts_data();
    void filterVerdicts();
    void gameFormats_data();
    void gameFormats();

private:
    QString configFolder() const { return m_dir->filePath(QStringLiteral("config")); }
    // Runs the tool on the test folder; `commandLine` is split at blanks.
    CliRun run(const QString &commandLine) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::vector<Draw> m_csv;
};

void StatisticsCommandsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(configFolder()));
    QVERIFY(QFile::copy(TestData::bundledStorePath(), m_dir->filePath(QStringLiteral("Devudirurero.dat"))));
    m_csv = TestData::csvHistory();
    QVERIFY(m_csv.size() > 100);
}

CliRun StatisticsCommandsTest::run(const QString &commandLine) const
{
    QProcess process;
    // The settings store of the runs lives in the test folder, not the user's.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_dir->path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder());
    process.setProcessEnvironment(environment);
    process.start(TestData::binDir() + QStringLiteral("/devudirurero-cli"),
        QStringList{QStringLiteral("--dir"), m_dir->path()} + commandLine.split(QLatin1Char(' ')));
    CliRun result;
    if (!process.waitForFinished(30000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

void StatisticsCommandsTest::pairCountsAndTitle()
{
    const QDate from = m_csv[20].date;
    const QDate to = m_csv[120].date;
    const CliRun result = run(QStringLiteral("stats pairs --from %1 --to %2").arg(iso(from), iso(to)));
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.outLines().size(), 75);
    int total = 0;
    for (int n = 1; n <= 74; ++n) {
        int expected = 0;
        for (size_t i = 21; i <= 120; ++i)
            expected += m_csv[i].contains(n) && m_csv[i].contains(n + 1);
        QCOMPARE(result.outLines()[n - 1], QStringLiteral("%1 %2").arg(n).arg(expected));
        total += expected;
    }
    QCOMPARE(result.outLines().last(), QStringLiteral("title: Ziehungen: 100   Paare gefunden:%1").arg(total));
}

void StatisticsCommandsTest::sumChartStartsAtLowestSum()
{
    const CliRun result = run(QStringLiteral("stats sums --to ") + iso(m_csv.back().date));
    QCOMPARE(result.exitCode, 0);
    // The default start is the first draw's date, which the sum chart leaves out.
    int lowest = 1000;
    int highest = 0;
    qint64 total = 0;
    for (size_t i = 1; i < m_csv.size(); ++i) {
        lowest = std::min(lowest, m_csv[i].sum());
        highest = std::max(highest, m_csv[i].sum());
        total += m_csv[i].sum();
    }
    QCOMPARE(result.outLines().size(), highest - lowest + 2);
    QVERIFY(result.outLines().first().startsWith(QStringLiteral("%1 ").arg(lowest)));
    QVERIFY(result.outLines().first() != QStringLiteral("%1 0").arg(lowest));
    const int draws = int(m_csv.size()) - 1;
    QVERIFY(result.outLines().last().startsWith(
        QStringLiteral("title: Quersummenverteilung     Ziehungen%1    Quersumme: ").arg(draws)));
    const double average = double(total) / draws;
    QVERIFY(std::abs(result.outLines().last().section(QLatin1Char(' '), -1).toInt() - average) <= 0.5);
}

void StatisticsCommandsTest::emptyRangeHasNoTitle()
{
    const CliRun result = run(QStringLiteral("stats numbers --from 2000-01-01 --to 2001-01-01"));
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.outLines().size(), 76);
    QCOMPARE(result.outLines()[74], QStringLiteral("75 0"));
    QCOMPARE(result.outLines().last(), QStringLiteral("title: "));
}

void StatisticsCommandsTest::commandErrors_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("unknown kind") << QStringLiteral("stats tips") << 2;
    QTest::newRow("no kind") << QStringLiteral("stats") << 2;
    QTest::newRow("bad date") << QStringLiteral("stats pairs --to 2020-02-30") << 2;
    QTest::newRow("date without value") << QStringLiteral("stats pairs --from") << 2;
    QTest::newRow("unknown option") << QStringLiteral("stats pairs --until 2020-01-01") << 2;
    QTest::newRow("missing store") << QStringLiteral("stats megaball") << 1;
    QTest::newRow("five values") << QStringLiteral("filter --defaults 1 2 3 4 5") << 2;
    QTest::newRow("not a number") << QStringLiteral("filter --defaults 1 2 x 4 5 6") << 2;
    QTest::newRow("76") << QStringLiteral("filter --defaults 1 2 3 4 76 6") << 1;
    QTest::newRow("twice the same") << QStringLiteral("filter --defaults 1 2 3 4 4 6") << 1;
    QTest::newRow("Megaball 16") << QStringLiteral("filter --defaults 1 2 3 4 5 16") << 1;
    QTest::newRow("bad row") << QStringLiteral("filter --defaults 1 2 3 4 5 6 --row 1,2,3") << 1;
}

void StatisticsCommandsTest::commandErrors()
{
    QFETCH(QString, args);
    QFETCH(int, exitCode);
    if (QTest::currentDataTag() == QLatin1String("missing store"))
        QVERIFY(QFile::remove(m_dir->filePath(QStringLiteral("Devudirurero.dat"))));
    const CliRun result = run(args);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY(!result.err.isEmpty());
    QVERIFY(result.outLines().isEmpty());
}

void StatisticsCommandsTest::poolWithDefaults()
{
    // An end date between two draws: reference 1 is the later one.
    const size_t index = 200;
    const QDate end = m_csv[index - 1].date.addDays(1);
    QVERIFY(end < m_csv[index].date);
    const CliRun result = run(QStringLiteral("pool --defaults --end ") + iso(end));
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.outLines().size(), 5);
    QSet<int> referenceNumbers;
    for (int k = 1; k <= 3; ++k) {
        const Draw &reference = m_csv[index + 1 - size_t(k)];
        QCOMPARE(result.outLines()[k - 1], QStringLiteral("reference %1: %2").arg(k).arg(drawLine(reference)));
        for (int n : reference.numbers)
            referenceNumbers.insert(n);
    }
    QVERIFY(result.outLines()[3].startsWith(QStringLiteral("pool: ")));
    const QStringList entries = result.outLines()[3].mid(6).split(QLatin1Char(' '));
    QCOMPARE(result.outLines()[4], QStringLiteral("count: %1").arg(entries.size()));
    QMap<int, int> counts;
    for (const QString &entry : entries)
        ++counts[entry.toInt()];
    for (int n = 1; n <= 75; ++n)
        QCOMPARE(counts.value(n) == 0, referenceNumbers.contains(n));
    // The overdue band adds two or three entries to the base fill (1 has two there).
    QVERIFY(std::any_of(counts.begin(), counts.end(), [](int count) { return count == 4; }));
    QVERIFY(std::all_of(counts.begin(), counts.end(), [](int count) { return count >= 1 && count <= 5; }));
    QVERIFY(result.err.contains(QStringLiteral("Berechnung der aussehenden Zahlen")));
}

void StatisticsCommandsTest::poolWithOverrides()
{
    const CliRun empty = run(QStringLiteral("pool --defaults --set Chekcbox15=1 --set Chekcbox10=0"));
    QCOMPARE(empty.exitCode, 0);
    QCOMPARE(empty.outLines().mid(3), (QStringList{QStringLiteral("pool: "), QStringLiteral("count: 0")}));
    // After the newest draw: reference 1 is the newest.
    QVERIFY(empty.outLines()[0].startsWith(QStringLiteral("reference 1: ") + iso(m_csv.back().date)));

    const CliRun outOfRange = run(QStringLiteral("pool --defaults --set UpDown13=99"));
    QCOMPARE(outOfRange.exitCode, 1);
    QVERIFY(outOfRange.err.contains(QStringLiteral("UpDown13")));
    const CliRun malformed = run(QStringLiteral("pool --defaults --set UpDown13"));
    QCOMPARE(malformed.exitCode, 2);
}

void StatisticsCommandsTest::poolReadsStoredSettings()
{
    using SettingsLocation::Scope;
    SettingsLocation::setRootOverride(Scope::CurrentUser, configFolder());
    {
        const auto store = SettingsLocation::open(Scope::CurrentUser, SettingsKeys::Program, true);
        QVERIFY(store);
        GenerationSettings settings = GenerationSettings::defaults();
        settings.setCheckBox(15, true);
        settings.setCheckBox(10, false);
        GenerationSettingsStore::write(*store, settings);
        QVERIFY(store->save().ok());
    }
    SettingsLocation::setRootOverride(Scope::CurrentUser, QString());

    const CliRun stored = run(QStringLiteral("pool"));
    QCOMPARE(stored.exitCode, 0);
    QCOMPARE(stored.outLines().last(), QStringLiteral("count: 0"));
    const CliRun neighbours = run(QStringLiteral("pool --set Chekcbox19=1"));
    QCOMPARE(neighbours.exitCode, 0);
    QVERIFY(neighbours.outLines().last() != QStringLiteral("count: 0"));
    const CliRun defaults = run(QStringLiteral("pool --defaults"));
    QVERIFY(defaults.outLines().last().section(QLatin1Char(' '), 1).toInt() > 0);
}

void StatisticsCommandsTest::filterVerdicts_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<QString>("verdict");
    const QString quiet = QStringLiteral("8 19 34 46 61 2 --defaults --end 2030-01-01");
    QTest::newRow("quiet row") << quiet << QStringLiteral("accepted");
    QTest::newRow("unsorted run of three")
        << QStringLiteral("40 5 4 20 3 4 --defaults --end 2030-01-01") << QStringLiteral("rejected: no groups");
    QTest::newRow("placed row shares nothing")
        << quiet + QStringLiteral(" --row 1,2,3,4,5") << QStringLiteral("rejected: other rows");
    // Three primes: 19, 61 and the Megaball 2.
    QTest::newRow("primes wanted") << quiet + QStringLiteral(" --set Chekcbox22=1 --set UpDown10=4")
                                   << QStringLiteral("rejected: primes");
    // A stored draw itself, after the start date, with an accepted sum and no run of three.
    for (const Draw &draw : TestData::csvHistory()) {
        if (draw.date <= QDate(2013, 10, 22) || draw.sum() < 50 || draw.sum() > 200 || hasRunOfThree(draw))
            continue;
        QTest::newRow("a stored draw") << drawLine(draw).section(QLatin1Char(' '), 1)
                + QStringLiteral(" --defaults --end 2030-01-01")
                                       << QStringLiteral("rejected: whole history");
        break;
    }
}

void StatisticsCommandsTest::filterVerdicts()
{
    QFETCH(QString, args);
    QFETCH(QString, verdict);
    const CliRun result = run(QStringLiteral("filter ") + args);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.outLines(), QStringList{verdict});
}

QTEST_GUILESS_MAIN(StatisticsCommandsTest)

void StatisticsCommandsTest::gameFormats_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("lines"); // stdout lines
    QTest::addColumn<QString>("lastLine"); // how stdout ends, or stderr begins on a failure
    const QString today = QStringLiteral("format: mm-2025 (5/70 + 1/24)");
    QTest::newRow("the newest draw's format") << "stats numbers" << 0 << 72 << today;
    QTest::newRow("the format before") << "--game mm-2017 stats megaball" << 0 << 27 << "format: mm-2017 (5/70 + 1/25)";
    QTest::newRow("the classic format as ever")
        << "--game mm-2013 stats numbers" << 0 << 76 << "title: Zahlenverteilung";
    QTest::newRow("today's largest numbers") << "--game mm-2025 filter --defaults 1 2 3 4 70 24" << 0 << 2 << today;
    QTest::newRow("past today's main numbers") << "--game mm-2025 filter --defaults 1 2 3 4 71 5" << 1 << 0
                                               << "the main numbers must be five different numbers from 1 to 70";
    QTest::newRow("past the classic Megaball")
        << "--game mm-2013 filter --defaults 1 2 3 4 5 24" << 1 << 0 << "the Megaball must be 0 to 15";
    QTest::newRow("unknown") << "--game mm-1999 stats numbers" << 2 << 0
                             << "unknown game format: mm-1999 (known: mm-2002, mm-2005, mm-2013, mm-2017, mm-2025)";
}

void StatisticsCommandsTest::gameFormats()
{
    QFETCH(QString, args);
    QFETCH(int, exitCode);
    QFETCH(int, lines);
    QFETCH(QString, lastLine);
    // The bundled draws and a few of the two later formats, the newest of today's.
    const QString csv = m_dir->filePath(QStringLiteral("later.csv"));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("2017-10-31,6,28,31,52,53,12,4\n2020-09-25,20,36,37,48,67,16,2\n"
               "2025-04-08,10,16,50,60,61,17,0\n2025-04-11,1,8,25,32,70,24,0\n");
    file.close();
    QCOMPARE(run(QStringLiteral("import ") + csv).exitCode, 0);
    const CliRun result = run(args);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.outLines().size(), lines);
    const QStringList err = result.err.trimmed().split(QLatin1Char('\n'));
    QVERIFY2((exitCode == 0 ? result.outLines().last() : err.first()).startsWith(lastLine), qPrintable(result.err));
}

#include "statistics_commands_test.moc"
