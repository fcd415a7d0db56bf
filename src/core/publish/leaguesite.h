#pragma once

#include "views/leadersettings.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTimeZone>

#include <vector>

namespace pny {

class Store;

// One file of the website: its name inside the output folder and its bytes.
struct SiteFile {
    QString name;
    QByteArray bytes;
};

// The website of the store's current league (year and league chosen), as text: index.html with
// the standings (with the form of the schedule's scores), the top of the main leader tables, the
// last results and the next games; one page per team (team-N.html, N its line in the teams file)
// with its record, batting, pitching and fielding tables and its games; one per player
// (player-T-P.html) with his season, his game log and his career; one per night of the game log
// (night-E.html, E its entry) as corrected; schedule.html; leaders.html; the calendar
// schedule.ics; the results feed feed.xml; and style.css. The store is not changed: the pages are
// built on a copy. The same data give the same bytes; the only date in them is "as of" the last
// game with a result, or `today` when none has one. Returns false with a message naming the file
// when a data file cannot be read.
bool buildLeagueSite(const Store& store, const LeaderSettings& settings, const QDate& today,
                     const QTimeZone& zone, std::vector<SiteFile>& files, QString& error);

}  // namespace pny
