// One drawing of the game, as the draw file holds it, and its 32-byte record layout.
#pragma once

#include <QByteArray>
#include <QDate>

#include <array>
#include <cstdint>

namespace Game {
constexpr int MainCount = 5;
constexpr int MaxMain = 75;
constexpr int MaxMegaball = 15;
constexpr int MaxMegaplier = 5;
// The earliest date a draw date can be set to; an empty store's update starts from it.
inline QDate earliestDate()
{
    return QDate(2000, 5, 17);
}
// The first draw of the five-of-75 format: the earliest start of a statistics window.
inline QDate firstFormatDraw()
{
    return QDate(2013, 10, 22);
}
} // namespace Game

struct Draw {
    QDate date;
    // Stored ascending when entered by hand, in the order received when downloaded.
    std::array<std::uint8_t, Game::MainCount> numbers{};
    std::uint8_t sixth = 0; // an unused slot of the record, ignored by every reader
    std::uint8_t megaball = 0;
    std::uint8_t megaplier = 0;

    int sum() const;
    bool contains(int number) const;
    // A valid date and numbers that fit the game format of that date (Games::forDate).
    bool isValidGameDraw() const;

    friend bool operator==(const Draw &, const Draw &) = default;
};

namespace DrawRecord {
constexpr int Size = 32;
// Offsets: 0 date (little-endian IEEE double, days since 30.12.1899), 8..12 main numbers,
// 13 sixth slot, 14 Megaball, 15 Megaplier, 16..31 reserved (written as zero).
QByteArray encode(const Draw &draw);
// `bytes` must hold at least Size bytes.
Draw decode(const char *bytes);
double rawDate(const char *bytes);
} // namespace DrawRecord
