#include "gamelog/boxscorecsv.h"

#include "gamelog/boxscorecolumns.h"
#include "pitching/pitchcount.h"
#include "roster/rostercsv.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"

#include <QRegularExpression>

#include <optional>

namespace pny {
namespace {

QString trimmedText(const std::string& bytes) {
    return fromCodePage(bytes).trimmed();
}

bool isNumberCaption(const QString& cell) {
    return cell.compare(QLatin1String("No"), Qt::CaseInsensitive) == 0 ||
           cell.compare(QLatin1String("No."), Qt::CaseInsensitive) == 0 ||
           cell == QLatin1String("#") ||
           cell.compare(QLatin1String("Number"), Qt::CaseInsensitive) == 0;
}

bool isNameCaption(const QString& cell) {
    return cell.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0 ||
           cell.compare(QLatin1String("Player"), Qt::CaseInsensitive) == 0;
}

std::optional<long long> cellValue(const QString& cell) {
    static const QRegularExpression count(QStringLiteral("^-?[0-9]{1,9}$"));
    const QString text = cell.trimmed();
    if (text.isEmpty())
        return 0;
    if (!count.match(text).hasMatch())
        return std::nullopt;
    return text.toLongLong();
}

// What one block of the file is being read into.
struct Block {
    BoxScoreTeam* side = nullptr;
    std::vector<std::string> players;  // the team's players file
    int numberColumn = -1;
    std::vector<std::pair<int, PlayerStat>> columns;  // file column, statistic
    int pitchesColumn = -1;                           // NP, stored as ST and BT
    int strikesColumn = -1;                           // S
    bool haveHeader = false;
};

class Reader {
public:
    Reader(const Store& store, int game, Night& night, QString& error)
        : store_(store), night_(night), error_(error), game_(game) {}

    bool read(const QByteArray& bytes) {
        if (!store_.games.isValidRecord(game_)) {
            return fail(0, QStringLiteral("There is no game %1 in the schedule.").arg(game_));
        }
        const GameRecord game = GameRecord::parse(store_.games.line(game_));
        night_ = Night();
        night_.date = game.date;
        night_.time = game.time;
        night_.game = game_;
        night_.home.team = toNumber(game.home);
        night_.away.team = toNumber(game.away);

        bool homeSeen = false;
        bool awaySeen = false;
        for (const CsvRow& row : parseCsv(decodeRosterText(bytes))) {
            const QString first = row.cells.value(0).trimmed();
            if (first.compare(QLatin1String("Team"), Qt::CaseInsensitive) == 0) {
                if (!startBlock(row, homeSeen, awaySeen))
                    return false;
            } else if (!block_.side) {
                return fail(row.line, QStringLiteral("the file must begin with a \"Team\" row"));
            } else if (!block_.haveHeader) {
                if (!readHeader(row))
                    return false;
            } else if (!readPlayer(row)) {
                return false;
            }
        }
        if (!homeSeen || !awaySeen) {
            return fail(0, QStringLiteral("the file needs a block for each team of the game"));
        }
        return true;
    }

private:
    bool fail(int line, const QString& reason) {
        error_ = line > 0 ? QStringLiteral("Line %1: %2.").arg(line).arg(reason) : reason;
        return false;
    }

    // Whether the team line `team` is the one named by `cell`: its number or its name.
    bool names(int team, const QString& cell) const {
        const TeamRecord record = TeamRecord::parse(store_.teams.line(team));
        return cell.compare(trimmedText(record.number), Qt::CaseInsensitive) == 0 ||
               cell.compare(trimmedText(record.name), Qt::CaseInsensitive) == 0;
    }

    bool startBlock(const CsvRow& row, bool& homeSeen, bool& awaySeen) {
        const QString team = row.cells.value(1).trimmed();
        block_ = Block();
        bool* seen = nullptr;
        if (names(night_.home.team, team)) {
            block_.side = &night_.home;
            seen = &homeSeen;
        } else if (names(night_.away.team, team)) {
            block_.side = &night_.away;
            seen = &awaySeen;
        } else {
            return fail(row.line, QStringLiteral("\"%1\" is neither team of the game").arg(team));
        }
        if (*seen)
            return fail(row.line, QStringLiteral("%1 has a second block").arg(team));
        *seen = true;
        for (int c = 2; c + 1 < row.cells.size(); c += 2) {
            if (row.cells[c].trimmed().compare(QLatin1String("Score"), Qt::CaseInsensitive) != 0)
                continue;
            const std::optional<long long> score = cellValue(row.cells[c + 1]);
            if (!score || row.cells[c + 1].trimmed().isEmpty())
                return fail(row.line, QStringLiteral("the score is no number"));
            block_.side->score = *score;
        }
        QString error;
        if (!store_.teamPlayerLines(block_.side->team, block_.players, error))
            return fail(0, error);
        return true;
    }

    bool readHeader(const CsvRow& row) {
        const std::vector<BoxScoreColumn> known = boxScoreColumns(store_.league);
        for (int c = 0; c < row.cells.size(); ++c) {
            const QString cell = row.cells[c].trimmed();
            if (cell.isEmpty() || isNameCaption(cell))
                continue;
            if (isNumberCaption(cell)) {
                block_.numberColumn = c;
                continue;
            }

            bool found = false;
            for (const BoxScoreColumn& column : known) {
                if (cell.compare(fromCodePage(column.caption), Qt::CaseInsensitive) == 0) {
                    block_.columns.emplace_back(c, column.stat);
                    found = true;
                    break;
                }
            }
            // The pitch count as a box score gives it (a user column of that name comes first).
            if (!found && (cell.compare(QLatin1String("NP"), Qt::CaseInsensitive) == 0 ||
                           cell.compare(QLatin1String("S"), Qt::CaseInsensitive) == 0)) {
                (cell.size() == 2 ? block_.pitchesColumn : block_.strikesColumn) = c;
                found = true;
            }
            if (!found)
                return fail(row.line, QStringLiteral("\"%1\" names no statistic").arg(cell));
        }
        if (block_.numberColumn < 0)
            return fail(row.line, QStringLiteral("the header names no \"No\" column"));
        if (block_.pitchesColumn >= 0 || block_.strikesColumn >= 0) {
            for (const auto& [column, stat] : block_.columns) {
                if (stat == StatST || stat == StatBT) {
                    return fail(row.line,
                                QStringLiteral("give the pitches as NP and S or as ST and BT, "
                                               "not both"));
                }
            }
        }
        block_.haveHeader = true;
        return true;
    }

    int playerNumbered(const QString& number) const {
        for (std::size_t p = 1; p < block_.players.size(); ++p) {
            const PlayerRecord player = PlayerRecord::parse(block_.players[p]);
            if (player.flag.empty() && trimmedText(player.number) == number)
                return static_cast<int>(p);
        }
        return 0;
    }

    bool readPlayer(const CsvRow& row) {
        const QString number = row.cells.value(block_.numberColumn).trimmed();
        const int player = playerNumbered(number);
        if (player == 0) {
            return fail(row.line,
                        QStringLiteral("the team has no player numbered \"%1\"").arg(number));
        }
        for (const BoxScoreLine& line : block_.side->lines) {
            if (line.player == player)
                return fail(row.line, QStringLiteral("player %1 has a second row").arg(number));
        }
        BoxScoreLine line;
        line.player = player;
        for (const auto& [column, stat] : block_.columns) {
            const std::optional<long long> value = cellValue(row.cells.value(column));
            if (!value) {
                return fail(
                    row.line,
                    QStringLiteral("\"%1\" is no count").arg(row.cells.value(column).trimmed()));
            }
            line.values[stat] = *value;
        }
        if (block_.pitchesColumn >= 0 || block_.strikesColumn >= 0) {
            const auto typed = [&row](int column) -> std::optional<long long> {
                if (column < 0 || row.cells.value(column).trimmed().isEmpty())
                    return std::nullopt;
                return cellValue(row.cells.value(column));
            };
            for (int column : {block_.pitchesColumn, block_.strikesColumn}) {
                if (column >= 0 && !cellValue(row.cells.value(column))) {
                    return fail(row.line, QStringLiteral("\"%1\" is no count")
                                              .arg(row.cells.value(column).trimmed()));
                }
            }
            QString problem;
            const std::optional<PitchCount> count =
                pitchCountOf(typed(block_.pitchesColumn), typed(block_.strikesColumn), problem);
            if (!count)
                return fail(row.line, problem);
            line.values[StatST] = count->strikes;
            line.values[StatBT] = count->balls;
        }
        block_.side->lines.push_back(line);
        return true;
    }

    const Store& store_;
    Night& night_;
    QString& error_;
    int game_;
    Block block_;
};

}  // namespace

bool readBoxScoreCsv(const Store& store, const QByteArray& bytes, int game, Night& night,
                     QString& error) {
    return Reader(store, game, night, error).read(bytes);
}

}  // namespace pny
