#include "views/leadersettings.h"

#include "store/linecodec.h"
#include "store/store.h"
#include "store/textfile.h"

#include <QFileInfo>

#include <algorithm>

namespace pny {

const char* const kLeadersExtension = ".Leaders";
const char* const kLeadersHeader = "Leaders|";

namespace {

constexpr std::size_t kFactorWidth = 5;  // "99.99"
constexpr std::size_t kPlacesWidth = 3;
constexpr std::size_t kCareerWidth = 4;

const char* const kFieldNames[] = {
    "batting factor", "pitching factor", "fielding factor",      "places",
    "career PA",      "career innings",  "career fielding games"};
constexpr std::size_t kFieldCount = 7;
constexpr std::size_t kFirstCareerField = 4;

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The places as stored: plain decimal digits only.
std::optional<int> parsePlaces(const std::string& text) {
    const std::string digits = trimmed(text);
    if (digits.empty() || digits.size() > kPlacesWidth ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const int places = std::stoi(digits);
    if (!validPlaces(places))
        return std::nullopt;
    return places;
}

// The stored fields of the settings line (missing ones empty).
std::vector<std::string> settingsFields(const std::vector<std::string>& lines) {
    std::string buffer = lines.size() > 1 ? lines[1] : std::string();
    std::vector<std::string> fields;
    for (std::size_t k = 0; k < kFieldCount; ++k)
        fields.push_back(nextField(buffer, kMaxFieldLength));
    return fields;
}

}  // namespace

std::optional<int> parseFactor(const std::string& text) {
    const std::string value = trimmed(text);
    const std::size_t point = value.find('.');
    const std::string whole = value.substr(0, point);
    const std::string decimals =
        point == std::string::npos ? std::string() : value.substr(point + 1);
    if (whole.empty() && decimals.empty())
        return std::nullopt;
    if (whole.size() > 2 || decimals.size() > 2)
        return std::nullopt;
    if ((whole + decimals).find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    int hundredths = whole.empty() ? 0 : std::stoi(whole) * 100;
    if (!decimals.empty())
        hundredths += std::stoi(decimals) * (decimals.size() == 1 ? 10 : 1);
    return hundredths;
}

int defaultFactor(bool batting, long long inningsPerGame) {
    const long long innings = inningsPerGame > 0 ? inningsPerGame : 9;
    const long long nine = batting ? kNineInningBattingFactor : kNineInningPitchingFactor;
    return static_cast<int>(std::min<long long>((nine * innings + 4) / 9, kMaxFactor));
}

std::optional<int> parseCareerFigure(const std::string& text) {
    const std::string digits = trimmed(text);
    if (digits.empty() || digits.size() > kCareerWidth ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return std::stoi(digits);
}

std::string formatFactor(int hundredths) {
    const int whole = hundredths / 100;
    const int decimals = hundredths % 100;
    if (decimals % 10 == 0)
        return std::to_string(whole) + '.' + std::to_string(decimals / 10);
    return std::to_string(whole) + '.' + (decimals < 10 ? "0" : "") + std::to_string(decimals);
}

std::vector<std::string> leaderSettingsLines(const LeaderSettings& settings) {
    const auto factorText = [](const std::optional<int>& factor) {
        return factor ? formatFactor(*factor) : std::string();
    };
    LineBuilder line;
    line.add(factorText(settings.battingFactor), kFactorWidth)
        .add(factorText(settings.pitchingFactor), kFactorWidth)
        .add(formatFactor(settings.fieldingFactor), kFactorWidth)
        .add(std::to_string(settings.places), kPlacesWidth);
    // The career figures are written only when they differ from the defaults, so that a league
    // that never changed them keeps the file's bytes as they were before they existed.
    const LeaderSettings defaults;
    if (settings.careerPlateAppearances != defaults.careerPlateAppearances ||
        settings.careerInnings != defaults.careerInnings ||
        settings.careerGames != defaults.careerGames) {
        line.add(std::to_string(settings.careerPlateAppearances), kCareerWidth)
            .add(std::to_string(settings.careerInnings), kCareerWidth)
            .add(std::to_string(settings.careerGames), kCareerWidth);
    }
    return {kLeadersHeader, line.line()};
}

LeaderSettings parseLeaderSettings(const std::vector<std::string>& lines) {
    LeaderSettings settings;
    const std::vector<std::string> fields = settingsFields(lines);
    // A factor stored is one the user set, whatever its value.
    settings.battingFactor = parseFactor(fields[0]);
    settings.pitchingFactor = parseFactor(fields[1]);
    if (const std::optional<int> factor = parseFactor(fields[2]))
        settings.fieldingFactor = *factor;
    if (const std::optional<int> places = parsePlaces(fields[3]))
        settings.places = *places;
    int* career[] = {&settings.careerPlateAppearances, &settings.careerInnings,
                     &settings.careerGames};
    for (std::size_t k = 0; k < 3; ++k) {
        if (const std::optional<int> figure = parseCareerFigure(fields[kFirstCareerField + k]))
            *career[k] = *figure;
    }
    return settings;
}

std::vector<std::pair<int, std::string>> leaderSettingsProblems(
    const std::vector<std::string>& lines) {
    std::vector<std::pair<int, std::string>> problems;
    if (lines.empty() || lines[0] != kLeadersHeader) {
        problems.emplace_back(1, "the header line is \"" + (lines.empty() ? "" : lines[0]) +
                                     "\", not \"" + kLeadersHeader + "\"");
    }
    if (lines.size() < 2)
        return problems;
    const std::vector<std::string> fields = settingsFields(lines);
    for (std::size_t k = 0; k < kFieldCount; ++k) {
        const std::string& field = fields[k];
        if (field.empty())
            continue;  // an empty field keeps its default
        const bool readable = k < 3    ? parseFactor(field).has_value()
                              : k == 3 ? parsePlaces(field).has_value()
                                       : parseCareerFigure(field).has_value();
        const char* wanted = k < 3    ? "a number from 0 to 99.99 with at most two decimals"
                             : k == 3 ? "a number from 1 to 999"
                                      : "a number from 0 to 9999";
        if (!readable) {
            problems.emplace_back(2, std::string(kFieldNames[k]) + " \"" + field + "\" is not " +
                                         wanted + ": the default is used");
        }
    }
    if (lines.size() > 2)
        problems.emplace_back(3, "lines after the settings line are never read");
    return problems;
}

QString leaderSettingsPath(const Store& store) {
    return store.pathOf(store.teamsBaseName(), kLeadersExtension);
}

bool readLeaderSettings(const QString& path, LeaderSettings& settings, QString& error) {
    settings = LeaderSettings();
    if (!QFileInfo::exists(path))
        return true;
    std::vector<std::string> lines;
    if (!readTextLines(path, lines, error))
        return false;
    settings = parseLeaderSettings(lines);
    return true;
}

bool writeLeaderSettings(const QString& path, const LeaderSettings& settings, QString& error) {
    // Lines after the leader settings hold the league's other settings (its pitch rules): they
    // are kept as they are.
    std::vector<std::string> lines = leaderSettingsLines(settings);
    std::vector<std::string> old;
    if (QFileInfo(path).isFile() && !readTextLines(path, old, error))
        return false;
    for (std::size_t k = 2; k < old.size(); ++k)
        lines.push_back(old[k]);
    return writeTextLines(path, lines, error);
}

}  // namespace pny
