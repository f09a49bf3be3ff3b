#include "wheels/known_wheels.h"

#include <algorithm>
#include <map>
#include <mutex>

namespace {
using Wheels::Guarantee;
using Wheels::Mask;

struct Design {
    int v;
    Guarantee guarantee;
    // Rows separated by blanks, a row as five letters: "a" for the smallest number, "b"
    // for the next and so on.
    const char *rows;
};

// Where a design comes from:
// - 17 numbers, "3 if 3": the circles of the inversive plane of order 4 (the images of
//   GF(4) and infinity on the projective line over GF(16) under its Moebius maps), a
//   Steiner system in which every three numbers lie in exactly one row.
const Design Designs[] = {
    {17, {3, 3},
        "abckn abdlm abeio abfjp abghq acdip acehj acfgl acmoq adegn adfho adjkq aefkm aelpq afinq agijm agkop ahikl "
        "ahmnp ajlno bcdjo bcegp bcfhm bcilq bdehk bdfgi bdnpq befln bejmq bfkoq bgjkl bgmno bhijn bhlop bikmp cdefq "
        "cdgkm cdhln ceimn ceklo cfijk cfnop cghio cgjnq chkpq cjlmp deijl demop dfjmn dfklp dghjp dgloq dhimq dikno "
        "efgjo efhip eghlm egikq ehnoq ejknp fghkn fgmpq fhjlq filmo gilnp hjkmo ijopq klmnq"},
};

std::vector<Mask> decode(const char *text)
{
    std::vector<Mask> rows;
    Mask row = 0;
    for (const char *c = text;; ++c) {
        if (*c >= 'a' && *c <= 'z') {
            row |= Mask(1) << (*c - 'a');
            continue;
        }
        if (row != 0)
            rows.push_back(row);
        row = 0;
        if (*c == '\0')
            return rows;
    }
}

// A design is usable when every row holds five of its v numbers and it keeps its
// guarantee.
bool keeps(const Design &design, const std::vector<Mask> &rows)
{
    const Mask all = (Mask(1) << design.v) - 1;
    const bool shaped = !rows.empty() && std::all_of(rows.begin(), rows.end(), [&](Mask row) {
        return Wheels::popcount(row) == Wheels::RowSize && (row & ~all) == 0;
    });
    return shaped && !Wheels::firstUncovered(design.v, rows, design.guarantee);
}

struct Checked {
    std::vector<Mask> rows; // empty when the design failed its check
    int size = 0;
};

const Checked &checked(const Design &design)
{
    static std::mutex mutex;
    static std::map<const Design *, Checked> cache;
    const std::lock_guard lock(mutex);
    const auto it = cache.find(&design);
    if (it != cache.end())
        return it->second;
    std::vector<Mask> rows = decode(design.rows);
    Checked result;
    result.size = int(rows.size());
    if (keeps(design, rows))
        result.rows = std::move(rows);
    return cache.emplace(&design, std::move(result)).first->second;
}
} // namespace

std::vector<Mask> Wheels::KnownWheels::find(int v, Guarantee g)
{
    for (const Design &design : Designs)
        if (design.v == v && design.guarantee == g)
            return checked(design).rows;
    return {};
}

std::vector<Wheels::KnownWheels::Entry> Wheels::KnownWheels::all()
{
    std::vector<Entry> entries;
    for (const Design &design : Designs) {
        const Checked &c = checked(design);
        entries.push_back({design.v, design.guarantee, c.size, !c.rows.empty()});
    }
    return entries;
}
