#include "draw_samples.h"

#include "draws/draw_store.h"
#include "test_data.h"

#include <QTest>

#include <algorithm>

Draw DrawSamples::draw(QDate date, std::initializer_list<int> numbers, int megaball)
{
    Draw result;
    result.date = date;
    std::transform(numbers.begin(), numbers.end(), result.numbers.begin(), [](int n) { return std::uint8_t(n); });
    result.megaball = std::uint8_t(megaball);
    return result;
}

std::vector<Draw> DrawSamples::bundledHistory()
{
    const auto draws = DrawStore(TestData::bundledStorePath()).readAll();
    if (!draws) {
        QTest::qFail(qPrintable(draws.error()), __FILE__, __LINE__);
        return {};
    }
    return *draws;
}
