// A wheel as the player asks for it: numbers of the current format, a guarantee, key
// numbers every row holds and Megaballs; out come rows whose guarantee was checked
// exhaustively before they are offered. The window's dialog and the command line both
// build wheels through here.
#pragma once

#include "wheels/wheel_search.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// What a wheel needs to know of the game format; the game definitions fill it.
struct WheelFormat {
    int largestMain = 0;
    int largestMegaball = 0;
    double ticketPrice = 0; // per row
};

// How the chosen Megaballs go onto the rows.
enum class MegaballPlay {
    Cycle, // row 1 gets the first, row 2 the second, and round again
    EveryRow, // each row is played once with every chosen Megaball
};

struct WheelRequest {
    std::vector<int> numbers; // the chosen main numbers, 6 to 30 of them
    Wheels::Guarantee guarantee;
    std::vector<int> keys; // main numbers every row holds (among `numbers`)
    std::vector<int> megaballs; // none: the rows carry no Megaball
    MegaballPlay megaballPlay = MegaballPlay::Cycle;
    std::uint64_t seed = 1;
};

// One played row: five numbers ascending and its Megaball (0 for none).
struct WheelRow {
    std::array<int, Wheels::RowSize> numbers{};
    int megaball = 0;

    friend bool operator==(const WheelRow &, const WheelRow &) = default;
};

// Why a request is not built, and the strongest weaker guarantee that could be, if any.
struct WheelRefusal {
    QString message;
    std::optional<Wheels::Guarantee> offer;
};

struct Wheel {
    std::vector<int> numbers; // ascending; bit i of a mask stands for numbers[i]
    Wheels::Guarantee guarantee;
    std::vector<Wheels::Mask> mainRows; // each set of five once
    std::vector<WheelRow> rows; // as played, with the Megaballs
    bool verified = false; // every p-set of the numbers was checked
    int greedyRows = 0;
    bool fromKnownDesign = false; // the rows came from a shipped design
    Wheels::SearchEnd end = Wheels::SearchEnd::Exhausted;
};

namespace Wheels {
// The largest count of checks (p-sets times rows) a request may need, and of p-sets the
// greedy start weighs (candidate rows times the p-sets each meets); more is refused.
constexpr std::int64_t WorkBound = 200'000'000;
constexpr std::int64_t GreedyBound = 1'000'000'000;

// Empty when the request can be built; else what is wrong with it.
std::optional<WheelRefusal> refusalFor(const WheelRequest &request, const WheelFormat &format);

// Builds the wheel of an acceptable request (see refusalFor). Stopped early, by the
// budget or the progress callback, it holds the best checked rows found so far.
Wheel build(const WheelRequest &request, const WheelFormat &format, SearchOptions options);

// The played rows of the main rows: sorted, each with its Megaball as asked.
std::vector<WheelRow> playedRows(
    const std::vector<int> &numbers, std::vector<Mask> mainRows, const WheelRequest &request);
} // namespace Wheels
