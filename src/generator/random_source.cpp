#include "generator/random_source.h"

#include <chrono>

void RandomSource::seedFromCounter()
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    m_state = quint32(quint64(ticks) ^ (quint64(ticks) >> 32));
}
