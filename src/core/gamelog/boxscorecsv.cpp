#include "gamelog/boxscorecsv.h"

#include "gamelog/boxscorecolumns.h"
#include "gamelog/scorerline.h"
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

// The stored statistics a column gives: AB gives PA, IP as 5.2 gives IP and its thirds...
std::vector<PlayerStat> statsOf(const BoxScoreColumn& column) {
    switch (column.cell) {
        case SheetCell::Innings:
            return {StatIP, StatIP3};
        case SheetCell::Decision:
            return {StatWon, StatLost, StatSv};
        case SheetCell::Pitches:
            return {StatST, StatBT};
        default:
            return {column.stat};
    }
}

// Two columns that give the same statistic two ways (AB and PA, H and 1B, DEC and Won...).
// NP and S give the pitches together.
bool sameStatistic(const BoxScoreColumn& a, const BoxScoreColumn& b) {
    const auto isStrikes = [](const BoxScoreColumn& c) { return c.name == "S"; };
    if ((a.cell == SheetCell::Pitches && isStrikes(b)) ||
        (b.cell == SheetCell::Pitches && isStrikes(a))) {
        return false;
    }
    for (PlayerStat x : statsOf(a)) {
        for (PlayerStat y : statsOf(b)) {
            if (x == y)
                return true;
        }
    }
    return false;
}

bool gives(const std::vector<BoxScoreColumn>& columns, PlayerStat stat) {
    for (const BoxScoreColumn& column : columns) {
        for (PlayerStat given : statsOf(column)) {
            if (given == stat)
                return true;
        }
    }
    return false;
}

const BoxScoreColumn* columnCalled(const std::vector<BoxScoreColumn>& columns,
                                   const QString& name) {
    for (const BoxScoreColumn& column : columns) {
        if (name.compare(fromCodePage(column.name), Qt::CaseInsensitive) == 0)
            return &column;
    }
    return nullptr;
}

// One player's cells in a block, gathered from every section (batting, pitching...) he has a row
// in, by the block's columns.
struct PlayerCells {
    int player = 0;
    int line = 0;  // his last row
    std::vector<std::string> cells;
};

// What one block of the file is being read into: the columns of its header rows as the sheet's,
// each player's cells, converted as the sheet converts a line once the block is complete.
struct Block {
    BoxScoreTeam* side = nullptr;
    std::vector<std::string> players;  // the team's players file
    // Every header's columns in the order first named, then, once the block is complete, those
    // no header names (see finishBlock).
    std::vector<BoxScoreColumn> columns;
    std::vector<QString> captions;  // each column as the file names it
    bool scorersTerms = false;      // some header uses a box score name
    std::vector<PlayerCells> rows;
    // The section under the latest header row.
    bool haveHeader = false;
    int numberColumn = -1;
    std::vector<std::pair<int, std::size_t>> sectionColumns;  // file column, index in `columns`
    std::vector<int> sectionPlayers;
};

bool isHeaderRow(const CsvRow& row) {
    for (const QString& cell : row.cells) {
        if (isNumberCaption(cell.trimmed()))
            return true;
    }
    return false;
}

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
                if (!finishBlock() || !startBlock(row, homeSeen, awaySeen))
                    return false;
            } else if (!block_.side) {
                return fail(row.line, QStringLiteral("the file must begin with a \"Team\" row"));
            } else if (!block_.haveHeader || isHeaderRow(row)) {
                if (!readHeader(row))
                    return false;
            } else if (!readPlayer(row)) {
                return false;
            }
        }
        if (!finishBlock())
            return false;
        if (!homeSeen || !awaySeen) {
            return fail(0, QStringLiteral("the file needs a block for each team of the game"));
        }
        return true;
    }

    bool namesPutouts() const { return namesPutouts_; }

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

    // A header cell as a column of the sheet. IP is the whole innings when the header also
    // names 3IP (the thirds), otherwise IP in baseball notation (5.2). The stored statistics'
    // captions come first (a user column among them), then the box score's names; HB is the
    // batter's HBP. `scorersTerms` becomes true for a name the stored captions do not have.
    std::optional<BoxScoreColumn> columnNamed(const QString& cell, bool thirds,
                                              bool& scorersTerms) const {
        const std::vector<BoxScoreColumn> stored = boxScoreColumns(store_.league);
        const std::vector<BoxScoreColumn> scorer = scorerColumns(store_.league);
        if (cell.compare(QLatin1String("IP"), Qt::CaseInsensitive) == 0)
            return *columnCalled(thirds ? stored : scorer, cell);
        if (const BoxScoreColumn* column = columnCalled(stored, cell))
            return *column;
        QString name = cell;
        if (cell.compare(QLatin1String("HB"), Qt::CaseInsensitive) == 0)
            name = QStringLiteral("HBP");
        else if (cell.compare(QLatin1String("P.HBP"), Qt::CaseInsensitive) == 0)
            name = QStringLiteral("P.HB");
        const BoxScoreColumn* column = columnCalled(scorer, name);
        if (!column)
            return std::nullopt;
        // NP and S were read before the box score's names were.
        if (column->name != "NP" && column->name != "S")
            scorersTerms = true;
        return *column;
    }

    // A header row starts a section of the block (a box score's batting, then its pitching):
    // its columns join the block's, a name already given by an earlier header is the same
    // column, and a statistic given two ways is refused.
    bool readHeader(const CsvRow& row) {
        bool thirds = false;
        for (const QString& cell : row.cells)
            thirds =
                thirds || cell.trimmed().compare(QLatin1String("3IP"), Qt::CaseInsensitive) == 0;
        block_.numberColumn = -1;
        block_.sectionColumns.clear();
        block_.sectionPlayers.clear();
        for (int c = 0; c < row.cells.size(); ++c) {
            const QString cell = row.cells[c].trimmed();
            if (cell.isEmpty() || isNameCaption(cell))
                continue;
            if (isNumberCaption(cell)) {
                block_.numberColumn = c;
                continue;
            }
            const std::optional<BoxScoreColumn> column =
                columnNamed(cell, thirds, block_.scorersTerms);
            if (!column)
                return fail(row.line, QStringLiteral("\"%1\" names no statistic").arg(cell));
            std::size_t index = block_.columns.size();
            for (std::size_t k = 0; k < block_.columns.size(); ++k) {
                const BoxScoreColumn& known = block_.columns[k];
                if (known.name == column->name && known.cell == column->cell &&
                    known.stat == column->stat) {
                    index = k;
                    break;
                }
                if (!sameStatistic(known, *column))
                    continue;
                return fail(row.line, QStringLiteral("the header names \"%1\" and \"%2\": they "
                                                     "give the same statistic two ways, keep one")
                                          .arg(block_.captions[k], cell));
            }
            for (const auto& [file, known] : block_.sectionColumns) {
                if (known == index)
                    return fail(row.line,
                                QStringLiteral("the header names \"%1\" twice").arg(cell));
            }
            if (index == block_.columns.size()) {
                block_.columns.push_back(*column);
                block_.captions.push_back(cell);
            }
            namesPutouts_ = namesPutouts_ || column->stat == StatPO;
            block_.sectionColumns.emplace_back(c, index);
        }
        if (block_.numberColumn < 0)
            return fail(row.line, QStringLiteral("the header names no \"No\" column"));
        block_.haveHeader = true;
        return true;
    }

    // Converts every player's cells of the block, as the sheet converts a line. A block in the
    // stored statistics' names alone is read as it always was: every statistic it does not name
    // is 0 and none is worked out (G and GP included), as with the sheet's "All statistics". In
    // the box score's names the conversion works out PA, 1B, G and GP; 1B stays 0 when the
    // block names neither H nor 1B.
    bool finishBlock() {
        if (!block_.side)
            return true;
        std::vector<BoxScoreColumn> unnamed;
        for (const BoxScoreColumn& column : boxScoreColumns(store_.league)) {
            const bool wanted = block_.scorersTerms ? column.stat == Stat1B : true;
            if (wanted && !gives(block_.columns, column.stat))
                unnamed.push_back(column);
        }
        // S alone is refused as it always was: the strikes need the pitches they are part of.
        const bool strikes = columnCalled(block_.columns, QStringLiteral("S")) != nullptr;
        if (strikes && !gives(block_.columns, StatBT))
            unnamed.push_back(*columnCalled(scorerColumns(store_.league), QStringLiteral("NP")));
        std::vector<BoxScoreColumn> columns = block_.columns;
        columns.insert(columns.end(), unnamed.begin(), unnamed.end());
        for (PlayerCells& row : block_.rows) {
            row.cells.resize(columns.size());
            const ScorerLine converted = scorerLine(columns, row.cells);
            if (!converted.problem.isEmpty()) {
                const QString name =
                    trimmedText(PlayerRecord::parse(block_.players[std::size_t(row.player)]).name);
                return fail(row.line, QStringLiteral("%1: %2").arg(name, converted.problem));
            }
            block_.side->lines.push_back({row.player, converted.values});
        }
        block_.side = nullptr;
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
        for (int seen : block_.sectionPlayers) {
            if (seen == player)
                return fail(row.line, QStringLiteral("player %1 has a second row").arg(number));
        }
        block_.sectionPlayers.push_back(player);
        PlayerCells* cells = nullptr;
        for (PlayerCells& known : block_.rows) {
            if (known.player == player)
                cells = &known;
        }
        if (!cells) {
            block_.rows.push_back({player, row.line, {}});
            cells = &block_.rows.back();
        }
        cells->line = row.line;
        cells->cells.resize(block_.columns.size());
        for (const auto& [file, index] : block_.sectionColumns) {
            const std::string text = row.cells.value(file).trimmed().toLatin1().toStdString();
            if (text.empty())
                continue;
            if (!cells->cells[index].empty()) {
                return fail(row.line, QStringLiteral("player %1 has %2 in two rows")
                                          .arg(number, block_.captions[index]));
            }
            cells->cells[index] = text;
        }
        return true;
    }

    const Store& store_;
    Night& night_;
    QString& error_;
    int game_;
    Block block_;

    bool namesPutouts_ = false;  // some header names PO
};

}  // namespace

bool readBoxScoreCsv(const Store& store, const QByteArray& bytes, int game, Night& night,
                     QString& error) {
    bool namesPutouts = false;
    return readBoxScoreCsv(store, bytes, game, night, error, namesPutouts);
}

bool readBoxScoreCsv(const Store& store, const QByteArray& bytes, int game, Night& night,
                     QString& error, bool& namesPutouts) {
    Reader reader(store, game, night, error);
    const bool read = reader.read(bytes);
    namesPutouts = reader.namesPutouts();
    return read;
}

}  // namespace pny
