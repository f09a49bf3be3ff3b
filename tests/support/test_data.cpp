#include "test_data.h"

#include "draws/draw_store.h"
#include "draws/draw_text.h"

#include <QFile>
#include <QStringList>
#include <QTest>

Draw TestData::draw(const char *text)
{
    const QStringList parts = QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    Draw d;
    d.date = QDate::fromString(parts.value(0), Qt::ISODate);
    for (int i = 0; i < 5; ++i)
        d.numbers[size_t(i)] = std::uint8_t(parts.value(i + 1).toInt());
    d.megaball = std::uint8_t(parts.value(6).toInt());
    d.megaplier = std::uint8_t(parts.value(7).toInt());
    return d;
}

std::vector<Draw> TestData::draws(std::initializer_list<const char *> texts)
{
    std::vector<Draw> list;
    for (const char *text : texts)
        list.push_back(draw(text));
    return list;
}

void TestData::writeStore(const QString &path, const std::vector<Draw> &draws)
{
    const auto written = DrawStore(path).rewrite(draws);
    if (!written)
        qFatal("cannot write test store %s", qPrintable(written.error()));
}

std::vector<Draw> TestData::csvHistory()
{
    QFile file(sourceDir() + QStringLiteral("/resources/draws.csv"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read draws.csv");
    const DrawText::ParsedDraws parsed = DrawText::parse(QString::fromUtf8(file.readAll()));
    if (!parsed.errors.isEmpty())
        qFatal("draws.csv: %s", qPrintable(parsed.errors.first()));
    return parsed.draws;
}

QString TestData::bundledStorePath()
{
    return QStringLiteral(DEVU_BUNDLED_STORE);
}
QString TestData::binDir()
{
    return QStringLiteral(DEVU_BIN_DIR);
}
QString TestData::sourceDir()
{
    return QStringLiteral(DEVU_SOURCE_DIR);
}
