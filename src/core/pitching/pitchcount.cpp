#include "pitching/pitchcount.h"

namespace pny {

std::optional<PitchCount> pitchCountOf(std::optional<long long> pitches,
                                       std::optional<long long> strikes, QString& problem) {
    problem.clear();
    if ((pitches && *pitches < 0) || (strikes && *strikes < 0)) {
        problem = QStringLiteral("NP and S cannot be negative");
        return std::nullopt;
    }
    if (strikes && !pitches && *strikes > 0) {
        problem = QStringLiteral("S needs NP, the pitches it is part of");
        return std::nullopt;
    }
    const long long np = pitches.value_or(0);
    const long long s = strikes.value_or(0);
    if (s > np) {
        problem = QStringLiteral("S (%1) is more than NP (%2)").arg(s).arg(np);
        return std::nullopt;
    }
    return PitchCount{s, np - s};
}

}  // namespace pny
