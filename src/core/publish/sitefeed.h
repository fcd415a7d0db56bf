#pragma once

#include "publish/sitedata.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTimeZone>

namespace pny {

// The league's results as an Atom feed (feed.xml): the last nights of the game log, newest first,
// each linking to its page. An entry's id is made of the league's name and the night's entry in
// the log, which never changes, so that a feed reader announces each night once however often the
// site is published; a night corrected later keeps its id and gets a new summary. Nothing in it
// depends on the moment of publishing: the feed's time is that of its newest night, else `asOf`.
QByteArray leagueFeed(const QString& league, const SiteLeague& data, const QTimeZone& zone,
                      const QDate& asOf);

// The id of the feed entry of night `entry` of `league`.
QByteArray nightEntryId(const QString& league, int entry);

}  // namespace pny
