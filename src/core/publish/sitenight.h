#pragma once

#include "publish/sitedata.h"

#include <QString>

namespace pny {

// "Owls 3 at Eagles 5": the teams and, when typed, their scores, as text.
QString nightTitle(const SiteLeague& league, const Night& night);

// The body of a night's page: the final score, date, time and field, then each team's batters
// (AB R H RBI BB SO and the season's AVG after that night) and pitchers (IP H R ER BB SO and
// the decision), the night as corrected.
QString nightBody(const SiteLeague& league, const SiteNight& night);

}  // namespace pny
