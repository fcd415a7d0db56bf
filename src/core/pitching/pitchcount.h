#pragma once

#include <QString>

#include <optional>

namespace pny {

// The box score's pitch count as the stored strikes and balls thrown: NP (pitches) and S
// (strikes) give ST = S and BT = NP - S. With S left empty ST is 0 and BT = NP, so that the
// pitches stay right. Empty cells are nothing; both empty leave ST and BT at 0.
struct PitchCount {
    long long strikes = 0;  // ST
    long long balls = 0;    // BT
};

// The stored counts of a typed NP and S; nothing, with `problem` set, when S is given without
// NP, when either is negative, or when S is more than NP.
std::optional<PitchCount> pitchCountOf(std::optional<long long> pitches,
                                       std::optional<long long> strikes, QString& problem);

}  // namespace pny
