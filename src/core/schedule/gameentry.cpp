#include "schedule/gameentry.h"

#include "schedule/gametime.h"
#include "store/linecodec.h"

#include <QDate>

namespace pny {
namespace {

// A number of digits with blanks around it; nothing for empty text or any other character.
std::optional<int> readNumber(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const std::size_t last = text.find_last_not_of(' ');
    int value = 0;
    for (std::size_t i = first; i <= last; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9' || value > 100000)
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string zeroPadded(int value, int width) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

}  // namespace

std::string* PickSlots::slot(char code) {
    switch (code) {
        case 'F':
            return &field;
        case 'H':
        case 'T':
            return &home;
        case 'A':
            return &away;
        case '1':
        case '2':
        case '3':
        case '4':
            return &umpires[static_cast<std::size_t>(code - '1')];
        case 'U':
            return &umpires[0];
        default:
            return nullptr;
    }
}

void PickSlots::loadFrom(const GameRecord& game) {
    field = game.field;
    home = game.home;
    away = game.away;
    umpires = game.umpires;
}

void PickSlots::storeInto(GameRecord& game) const {
    game.field = field;
    game.home = home;
    game.away = away;
    game.umpires = umpires;
}

PickList pickListOf(char code) {
    switch (code) {
        case 'F':
            return PickList::Fields;
        case 'H':
        case 'T':
        case 'A':
            return PickList::Teams;
        case '1':
        case '2':
        case '3':
        case '4':
        case 'U':
            return PickList::Umpires;
        default:
            return PickList::None;
    }
}

GameEntryTexts gameEntryTexts(const GameRecord& game) {
    GameEntryTexts texts;
    if (game.date.empty())
        return texts;
    // The date and the time are shown each as far as it can be read.
    if (const auto date = readGameDateTime(game.date, "0000")) {
        texts.year = zeroPadded(date->date().year(), 4);
        texts.month = std::to_string(date->date().month());
        texts.day = std::to_string(date->date().day());
    }
    if (const auto time = readGameDateTime("20000101", game.time)) {
        const int hour = time->time().hour();
        texts.hour = zeroPadded(hour % 12 == 0 ? 12 : hour % 12, 2);
        texts.minute = zeroPadded(time->time().minute(), 2);
        texts.pm = hour >= 12;
    }
    return texts;
}

std::optional<GameMoment> readGameEntry(const std::string& year, const std::string& month,
                                        const std::string& day, const std::string& hour,
                                        const std::string& minute, bool pm, int currentYear) {
    const std::optional<int> y = readNumber(year);
    const std::optional<int> m = readNumber(month);
    const std::optional<int> d = readNumber(day);
    const std::optional<int> h = readNumber(hour);
    const std::optional<int> n = readNumber(minute);
    if (!y || !m || !d || !h || !n)
        return std::nullopt;
    const int fullYear = *y < 100 ? currentYear / 100 * 100 + *y : *y;
    if (fullYear > 9999 || !QDate(fullYear, *m, *d).isValid())
        return std::nullopt;
    if (*h < 1 || *h > 12 || *n > 59)
        return std::nullopt;
    const int hour24 = *h % 12 + (pm ? 12 : 0);
    return GameMoment{zeroPadded(fullYear, 4) + zeroPadded(*m, 2) + zeroPadded(*d, 2),
                      zeroPadded(hour24, 2) + zeroPadded(*n, 2)};
}

std::optional<GameMoment> readGameEntry(const std::string& year, const std::string& month,
                                        const std::string& day, const std::string& hour,
                                        const std::string& minute, bool pm) {
    return readGameEntry(year, month, day, hour, minute, pm, QDate::currentDate().year());
}

GameScores gameScores(const std::string& homeText, const std::string& awayText) {
    const int home = toNumber(homeText);
    const int away = toNumber(awayText);
    // Both zero, not a zero sum: a score of 3 and -3 is kept as typed rather than wiped.
    if (home == 0 && away == 0)
        return {};
    return {cutTo(numberText(home), width::kCount), cutTo(numberText(away), width::kCount)};
}

void applyGameEntry(GameRecord& game, const GameMoment& moment, const PickSlots& picks,
                    const GameScores& scores) {
    game.date = moment.date;
    game.time = moment.time;
    picks.storeInto(game);
    game.homeScore = scores.home;
    game.awayScore = scores.away;
}

}  // namespace pny
