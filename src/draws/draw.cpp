#include "draws/draw.h"

#include "app/serial_date.h"
#include "draws/game_format.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

int Draw::sum() const
{
    int total = 0;
    for (auto n : numbers)
        total += n;
    return total;
}

bool Draw::contains(int number) const
{
    return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
}

bool Draw::isValidGameDraw() const
{
    return date.isValid() && Games::forDate(date).fits(*this);
}

QByteArray DrawRecord::encode(const Draw &draw)
{
    QByteArray bytes(Size, '\0');
    const double serial = SerialDate::fromDate(draw.date);
    std::uint64_t bits = 0;
    std::memcpy(&bits, &serial, sizeof bits);
    qToLittleEndian(bits, bytes.data());
    for (int i = 0; i < Game::MainCount; ++i)
        bytes[8 + i] = char(draw.numbers[size_t(i)]);
    bytes[13] = char(draw.sixth);
    bytes[14] = char(draw.megaball);
    bytes[15] = char(draw.megaplier);
    return bytes;
}

double DrawRecord::rawDate(const char *bytes)
{
    const std::uint64_t bits = qFromLittleEndian<std::uint64_t>(bytes);
    double serial = 0;
    std::memcpy(&serial, &bits, sizeof serial);
    return serial;
}

Draw DrawRecord::decode(const char *bytes)
{
    Draw draw;
    draw.date = SerialDate::toDate(rawDate(bytes));
    for (int i = 0; i < Game::MainCount; ++i)
        draw.numbers[size_t(i)] = std::uint8_t(bytes[8 + i]);
    draw.sixth = std::uint8_t(bytes[13]);
    draw.megaball = std::uint8_t(bytes[14]);
    draw.megaplier = std::uint8_t(bytes[15]);
    return draw;
}
