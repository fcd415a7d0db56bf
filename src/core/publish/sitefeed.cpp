#include "publish/sitefeed.h"

#include "publish/sitenight.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QTime>

namespace pny {
namespace {

constexpr int kFeedNights = 20;

// A name-based UUID (version 5 layout) of `key`, as a URN.
QByteArray uuidUrn(const QByteArray& key) {
    QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha1).left(16);
    hash[6] = static_cast<char>((hash[6] & 0x0f) | 0x50);
    hash[8] = static_cast<char>((hash[8] & 0x3f) | 0x80);
    const QByteArray hex = hash.toHex();
    return "urn:uuid:" + hex.mid(0, 8) + '-' + hex.mid(8, 4) + '-' + hex.mid(12, 4) + '-' +
           hex.mid(16, 4) + '-' + hex.mid(20, 12);
}

QByteArray timeOf(const Night& night, const QTimeZone& zone, const QDate& fallback) {
    QDate date = QDate::fromString(QString::fromStdString(night.date), QStringLiteral("yyyyMMdd"));
    QTime time = QTime::fromString(QString::fromStdString(night.time), QStringLiteral("hhmm"));
    if (!date.isValid())
        date = fallback;
    if (!time.isValid())
        time = QTime(0, 0);
    return QDateTime(date, time, zone).toUTC().toString(Qt::ISODate).toUtf8();
}

}  // namespace

QByteArray nightEntryId(const QString& league, int entry) {
    return uuidUrn("pennantry night\n" + league.toUtf8() + '\n' + QByteArray::number(entry));
}

QByteArray leagueFeed(const QString& league, const SiteLeague& data, const QTimeZone& zone,
                      const QDate& asOf) {
    // The newest nights: the later in the log, the newer; ordered by their date among these.
    std::vector<const SiteNight*> nights;
    for (auto it = data.nights.rbegin();
         it != data.nights.rend() && static_cast<int>(nights.size()) < kFeedNights; ++it) {
        nights.push_back(&*it);
    }
    std::stable_sort(nights.begin(), nights.end(), [](const SiteNight* a, const SiteNight* b) {
        return a->night.date + a->night.time > b->night.date + b->night.time;
    });
    const QByteArray name = league.toHtmlEscaped().toUtf8();
    const QByteArray updated =
        nights.empty() ? QDateTime(asOf, QTime(0, 0), Qt::UTC).toString(Qt::ISODate).toUtf8()
                       : timeOf(nights.front()->night, zone, asOf);
    QByteArray out =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "<feed xmlns=\"http://www.w3.org/2005/Atom\">\n";
    out += "<title>" + name + " results</title>\n";
    out += "<id>" + uuidUrn("pennantry feed\n" + league.toUtf8()) + "</id>\n";
    out += "<updated>" + updated + "</updated>\n";
    out += "<author><name>" + name + "</name></author>\n";
    out += "<link rel=\"alternate\" type=\"text/html\" href=\"index.html\"/>\n";
    out += "<generator>Pennantry</generator>\n";
    for (const SiteNight* night : nights) {
        const QByteArray title = nightTitle(data, night->night).toHtmlEscaped().toUtf8();
        out += "<entry>\n<title>" + title + "</title>\n";
        out += "<id>" + nightEntryId(league, night->entry) + "</id>\n";
        out += "<updated>" + timeOf(night->night, zone, asOf) + "</updated>\n";
        out += "<link rel=\"alternate\" type=\"text/html\" href=\"" +
               nightFile(night->entry).toUtf8() + "\"/>\n";
        out += "<summary>" + QByteArray(night->night.finished() ? "Final: " : "Not finished: ") +
               title + "</summary>\n</entry>\n";
    }
    out += "</feed>\n";
    return out;
}

}  // namespace pny
