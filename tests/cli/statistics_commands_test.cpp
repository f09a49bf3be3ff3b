// stats, pool and filter of devudirurero-cli, run as a process on a copy of the bundled
// history; expectations come from the history CSV read in the test.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <numeric>

namespace {
struct Run {
    int exitCode = -1;
    QStringList lines;
    QString err;
};

struct CsvDraw {
    QDate date;
    QList<int> numbers; // as listed
    int megaball = 0;

    int sum() const { return std::accumulate(numbers.begin(), numbers.end(), 0); }
    QString line() const
    {
        QStringList parts{date.toString(Qt::ISODate)};
        for (int n : numbers)
            parts << QString::number(n);
        parts << QString::number(megaball);
        return parts.join(QLatin1Char(' '));
    }
};

bool hasRunOfThree(QList<int> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    for (qsizetype k = 0; k + 2 < numbers.size(); ++k)
        if (numbers[k + 1] == numbers[k] + 1 && numbers[k + 2] == numbers[k] + 2)
            return true;
    return false;
}

std::vector<CsvDraw> csvHistory()
{
    QFile file(QStringLiteral(DEVU_SOURCE_DIR "/resources/draws.csv"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<CsvDraw> rows;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines.mid(1)) {
        const QStringList fields = line.trimmed().split(QLatin1Char(','));
        CsvDraw row{QDate::fromString(fields[0], Qt::ISODate), {}, fields[6].toInt()};
        for (int i = 1; i <= 5; ++i)
            row.numbers << fields[i].toInt();
        rows.push_back(row);
    }
    return rows;
}
} // namespace

class StatisticsCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void pairCountsAndTitle();
    void sumChartStartsAtLowestSum();
    void emptyRangeHasNoTitle();
    void statsErrors_data();
    void statsErrors();
    void poolWithDefaults();
    void poolWithOverrides();
    void filterVerdicts_data();
    void filterVerdicts();
    void filterErrors_data();
    void filterErrors();

private:
    Run run(const QStringList &args) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::vector<CsvDraw> m_csv;
};

void StatisticsCommandsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("config"))));
    QVERIFY(QFile::copy(QStringLiteral(DEVU_BUNDLED_STORE), m_dir->filePath(QStringLiteral("Devudirurero.dat"))));
    m_csv = csvHistory();
    QVERIFY(m_csv.size() > 100);
}

Run StatisticsCommandsTest::run(const QStringList &args) const
{
    QProcess process;
    // Keep the user's own settings out of the runs.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_dir->path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir->filePath(QStringLiteral("config")));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(DEVU_BIN_DIR "/devudirurero-cli"), QStringList{QStringLiteral("--dir"), m_dir->path()} + args);
    Run result;
    if (!process.waitForFinished(30000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

void StatisticsCommandsTest::pairCountsAndTitle()
{
    const QDate from = m_csv[20].date;
    const QDate to = m_csv[120].date;
    const Run result = run({QStringLiteral("stats"), QStringLiteral("pairs"), QStringLiteral("--from"),
                            from.toString(Qt::ISODate), QStringLiteral("--to"), to.toString(Qt::ISODate)});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.lines.size(), 75);
    int total = 0;
    for (int n = 1; n <= 74; ++n) {
        int expected = 0;
        for (size_t i = 21; i <= 120; ++i)
            expected += m_csv[i].numbers.contains(n) && m_csv[i].numbers.contains(n + 1);
        QCOMPARE(result.lines[n - 1], QStringLiteral("%1 %2").arg(n).arg(expected));
        total += expected;
    }
    QCOMPARE(result.lines.last(), QStringLiteral("title: Ziehungen: 100   Paare gefunden:%1").arg(total));
}

void StatisticsCommandsTest::sumChartStartsAtLowestSum()
{
    const Run result = run({QStringLiteral("stats"), QStringLiteral("sums"), QStringLiteral("--to"),
                            m_csv.back().date.toString(Qt::ISODate)});
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
    QCOMPARE(result.lines.size(), highest - lowest + 2);
    QVERIFY(result.lines.first().startsWith(QStringLiteral("%1 ").arg(lowest)));
    QVERIFY(result.lines.first() != QStringLiteral("%1 0").arg(lowest));
    const int draws = int(m_csv.size()) - 1;
    QVERIFY(result.lines.last().startsWith(
        QStringLiteral("title: Quersummenverteilung     Ziehungen%1    Quersumme: ").arg(draws)));
    const double average = double(total) / draws;
    QVERIFY(std::abs(result.lines.last().section(QLatin1Char(' '), -1).toInt() - average) <= 0.5);
}

void StatisticsCommandsTest::emptyRangeHasNoTitle()
{
    const Run result = run({QStringLiteral("stats"), QStringLiteral("numbers"), QStringLiteral("--from"),
                            QStringLiteral("2000-01-01"), QStringLiteral("--to"), QStringLiteral("2001-01-01")});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.lines.size(), 76);
    QCOMPARE(result.lines[74], QStringLiteral("75 0"));
    QCOMPARE(result.lines.last(), QStringLiteral("title: "));
}

void StatisticsCommandsTest::statsErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("unknown kind") << QStringList{QStringLiteral("stats"), QStringLiteral("tips")} << 2;
    QTest::newRow("no kind") << QStringList{QStringLiteral("stats")} << 2;
    QTest::newRow("bad date") << QStringList{QStringLiteral("stats"), QStringLiteral("pairs"), QStringLiteral("--to"),
                                             QStringLiteral("2020-02-30")}
                              << 2;
    QTest::newRow("date without value") << QStringList{QStringLiteral("stats"), QStringLiteral("pairs"),
                                                       QStringLiteral("--from")}
                                        << 2;
    QTest::newRow("unknown option") << QStringList{QStringLiteral("stats"), QStringLiteral("pairs"),
                                                   QStringLiteral("--until"), QStringLiteral("2020-01-01")}
                                    << 2;
    QTest::newRow("missing store") << QStringList{QStringLiteral("stats"), QStringLiteral("megaball")} << 1;
}

void StatisticsCommandsTest::statsErrors()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    if (QTest::currentDataTag() == QLatin1String("missing store"))
        QVERIFY(QFile::remove(m_dir->filePath(QStringLiteral("Devudirurero.dat"))));
    const Run result = run(args);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY(!result.err.isEmpty());
}

void StatisticsCommandsTest::poolWithDefaults()
{
    // An end date between two draws: reference 1 is the later one.
    const size_t index = 200;
    const QDate end = m_csv[index - 1].date.addDays(1);
    QVERIFY(end < m_csv[index].date);
    const Run result = run({QStringLiteral("pool"), QStringLiteral("--defaults"), QStringLiteral("--end"),
                            end.toString(Qt::ISODate)});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.lines.size(), 5);
    QSet<int> referenceNumbers;
    for (int k = 1; k <= 3; ++k) {
        const CsvDraw &reference = m_csv[index + 1 - size_t(k)];
        QCOMPARE(result.lines[k - 1], QStringLiteral("reference %1: %2").arg(k).arg(reference.line()));
        for (int n : reference.numbers)
            referenceNumbers.insert(n);
    }
    QVERIFY(result.lines[3].startsWith(QStringLiteral("pool: ")));
    const QStringList entries = result.lines[3].mid(6).split(QLatin1Char(' '));
    QCOMPARE(result.lines[4], QStringLiteral("count: %1").arg(entries.size()));
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
    const Run empty = run({QStringLiteral("pool"), QStringLiteral("--defaults"), QStringLiteral("--set"),
                           QStringLiteral("Chekcbox15=1"), QStringLiteral("--set"), QStringLiteral("Chekcbox10=0")});
    QCOMPARE(empty.exitCode, 0);
    QCOMPARE(empty.lines.mid(3), (QStringList{QStringLiteral("pool: "), QStringLiteral("count: 0")}));
    // After the newest draw: reference 1 is the newest.
    QVERIFY(empty.lines[0].startsWith(QStringLiteral("reference 1: ") + m_csv.back().date.toString(Qt::ISODate)));

    const Run outOfRange =
        run({QStringLiteral("pool"), QStringLiteral("--defaults"), QStringLiteral("--set"), QStringLiteral("UpDown13=99")});
    QCOMPARE(outOfRange.exitCode, 1);
    QVERIFY(outOfRange.err.contains(QStringLiteral("UpDown13")));
    const Run malformed =
        run({QStringLiteral("pool"), QStringLiteral("--defaults"), QStringLiteral("--set"), QStringLiteral("UpDown13")});
    QCOMPARE(malformed.exitCode, 2);
}

void StatisticsCommandsTest::filterVerdicts_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("verdict");
    const QStringList base{QStringLiteral("--defaults"), QStringLiteral("--end"), QStringLiteral("2030-01-01")};
    QTest::newRow("quiet row") << QStringList{QStringLiteral("9"), QStringLiteral("21"), QStringLiteral("33"),
                                              QStringLiteral("47"), QStringLiteral("58"), QStringLiteral("4")} + base
                               << QStringLiteral("accepted");
    QTest::newRow("unsorted run of three") << QStringList{QStringLiteral("40"), QStringLiteral("5"), QStringLiteral("4"),
                                                          QStringLiteral("20"), QStringLiteral("3"), QStringLiteral("4")}
                                                  + base
                                           << QStringLiteral("rejected: no groups");
    QTest::newRow("placed row shares nothing")
        << QStringList{QStringLiteral("9"), QStringLiteral("21"), QStringLiteral("33"), QStringLiteral("47"),
                       QStringLiteral("58"), QStringLiteral("4"), QStringLiteral("--row"), QStringLiteral("1,2,3,4,5")}
               + base
        << QStringLiteral("rejected: other rows");
    QTest::newRow("primes wanted") << QStringList{QStringLiteral("9"), QStringLiteral("21"), QStringLiteral("33"),
                                                  QStringLiteral("47"), QStringLiteral("58"), QStringLiteral("4"),
                                                  QStringLiteral("--set"), QStringLiteral("Chekcbox22=1")}
                                          + base
                                   << QStringLiteral("rejected: primes");
    // A stored draw itself, after the start date, with an accepted sum and no run of three.
    for (const CsvDraw &draw : csvHistory()) {
        if (draw.date <= QDate(2013, 10, 22) || draw.sum() < 50 || draw.sum() > 200 || hasRunOfThree(draw.numbers))
            continue;
        QStringList args;
        for (int n : draw.numbers)
            args << QString::number(n);
        QTest::newRow("a stored draw") << args + QStringList{QString::number(draw.megaball)} + base
                                       << QStringLiteral("rejected: whole history");
        break;
    }
}

void StatisticsCommandsTest::filterVerdicts()
{
    QFETCH(QStringList, args);
    QFETCH(QString, verdict);
    const Run result = run(QStringList{QStringLiteral("filter")} + args);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.lines, QStringList{verdict});
}

void StatisticsCommandsTest::filterErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    const auto numbers = [](const char *text) { return QString::fromLatin1(text).split(QLatin1Char(' ')); };
    QTest::newRow("five values") << numbers("1 2 3 4 5") << 2;
    QTest::newRow("not a number") << numbers("1 2 x 4 5 6") << 2;
    QTest::newRow("76") << numbers("1 2 3 4 76 6") << 1;
    QTest::newRow("twice the same") << numbers("1 2 3 4 4 6") << 1;
    QTest::newRow("Megaball 16") << numbers("1 2 3 4 5 16") << 1;
    QTest::newRow("bad row") << numbers("1 2 3 4 5 6 --row 1,2,3") << 1;
}

void StatisticsCommandsTest::filterErrors()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    const Run result = run(QStringList{QStringLiteral("filter"), QStringLiteral("--defaults")} + args);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY(!result.err.isEmpty());
    QVERIFY(result.lines.isEmpty());
}

QTEST_GUILESS_MAIN(StatisticsCommandsTest)
#include "statistics_commands_test.moc"
