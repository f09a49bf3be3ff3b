// The program's one random generator. Its sequence is part of what users rely on: the
// same seed before a run gives the same rows, so the formula and the order of the
// calls must not change.
#pragma once

#include <QtGlobal>

class RandomSource {
public:
    explicit RandomSource(quint32 state = 0)
        : m_state(state)
    { }

    // A value from 0 to n - 1: s := s * 134775813 + 1 (mod 2^32), then the upper 32
    // bits of the 64-bit product s * n.
    quint32 below(quint32 n)
    {
        m_state = m_state * 134775813u + 1u;
        return quint32((quint64(m_state) * n) >> 32);
    }

    quint32 state() const { return m_state; }
    void setState(quint32 state) { m_state = state; }
    void setSeed(qint32 seed) { m_state = quint32(seed); }
    // Seeds from the system's high-resolution counter, as at start-up.
    void seedFromCounter();

private:
    quint32 m_state;
};
