#include "entry/boxscoregrid.h"

#include "common/messages.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

using CellKind = BoxScoreGrid::CellKind;

const QRegularExpression& cellPattern(CellKind kind) {
    static const QRegularExpression count(QStringLiteral("^-?[0-9]{0,4}$"));
    static const QRegularExpression innings(QStringLiteral("^[0-9]{0,4}(\\.[0-9]?)?$"));
    static const QRegularExpression decision(QStringLiteral("^[WwLlSs]?$"));
    switch (kind) {
        case CellKind::Innings:
            return innings;
        case CellKind::Decision:
            return decision;
        default:
            return count;
    }
}

// Whether a cell of that kind is complete once it holds `text`, so that the cursor moves on.
bool isComplete(CellKind kind, const QString& text) {
    static const QRegularExpression outs(QStringLiteral("\\.[0-9]$"));
    switch (kind) {
        case CellKind::Digit:
            return !text.isEmpty() && text.back().isDigit();
        case CellKind::Innings:
            return outs.match(text).hasMatch();
        case CellKind::Decision:
            return !text.isEmpty();
        case CellKind::Number:
            break;
    }
    return false;
}

// The editor of a cell opened with F2 or a double click takes what a cell may hold, and as
// many digits as a count may have.
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(BoxScoreGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            edit->setObjectName(QStringLiteral("CellEditor"));
            edit->setValidator(new QRegularExpressionValidator(
                cellPattern(grid_->columnKind(index.column())), edit));
            edit->setMaxLength(7);
        }
        return editor;
    }

private:
    BoxScoreGrid* grid_;
};

bool isTypingKey(const QKeyEvent* event) {
    return !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
           !event->text().isEmpty() && event->text().at(0).isPrint();
}

}  // namespace

BoxScoreGrid::BoxScoreGrid(QWidget* parent) : QTableWidget(parent) {
    setItemDelegate(new CellDelegate(this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setTabKeyNavigation(true);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 3);
    connect(this, &QTableWidget::itemChanged, this, [this] {
        if (!filling_)
            emit cellsEdited();
    });
}

bool BoxScoreGrid::isCellText(CellKind kind, const QString& text) {
    return cellPattern(kind).match(text).hasMatch();
}

void BoxScoreGrid::setColumnKinds(const QList<CellKind>& kinds) {
    kinds_ = kinds;
}

BoxScoreGrid::CellKind BoxScoreGrid::columnKind(int column) const {
    return column >= 0 && column < kinds_.size() ? kinds_.at(column) : CellKind::Number;
}

void BoxScoreGrid::setParts(const QList<QPair<QChar, int>>& parts) {
    parts_ = parts;
}

int BoxScoreGrid::partStart(int column) const {
    int start = 0;
    for (const auto& part : parts_) {
        if (part.second <= column)
            start = std::max(start, part.second);
    }
    return start;
}

void BoxScoreGrid::setShape(const QStringList& rowCaptions, const QStringList& columnCaptions) {
    filling_ = true;
    clear();
    playerRows_ = static_cast<int>(rowCaptions.size());
    setColumnCount(static_cast<int>(columnCaptions.size()));
    setRowCount(playerRows_ + 1);
    setHorizontalHeaderLabels(columnCaptions);
    QStringList captions = rowCaptions;
    captions << QStringLiteral("Totals");
    setVerticalHeaderLabels(captions);
    QFont bold = font();
    bold.setBold(true);
    for (int c = 0; c < columnCount(); ++c) {
        for (int r = 0; r < rowCount(); ++r) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (r == playerRows_) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setFont(bold);
                item->setBackground(palette().alternateBase());
            }
            setItem(r, c, item);
        }
    }
    verticalHeaderItem(playerRows_)->setFont(bold);
    applyColumnWidths();
    if (playerRows_ > 0 && columnCount() > 0)
        setCurrentCell(0, 0);
    filling_ = false;
    fresh_ = true;
}

void BoxScoreGrid::applyColumnWidths() {
    const QFontMetrics metrics(font());
    const int numberWidth = metrics.horizontalAdvance(QStringLiteral("-999")) + 8;
    const QFontMetrics headerMetrics(horizontalHeader()->font());
    for (int c = 0; c < columnCount(); ++c) {
        const QTableWidgetItem* header = horizontalHeaderItem(c);
        const int captionWidth =
            header ? headerMetrics.horizontalAdvance(header->text()) + 10 : numberWidth;
        setColumnWidth(c, std::max(numberWidth, captionWidth));
    }
}

QString BoxScoreGrid::cellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void BoxScoreGrid::setCellText(int row, int column, const QString& text) {
    if (QTableWidgetItem* cell = item(row, column)) {
        filling_ = true;
        cell->setText(text);
        filling_ = false;
    }
}

void BoxScoreGrid::setTotals(const QStringList& texts) {
    for (int c = 0; c < columnCount() && c < texts.size(); ++c)
        setCellText(playerRows_, c, texts.at(c));
}

void BoxScoreGrid::setRowWarning(int row, const QString& text) {
    QTableWidgetItem* caption = verticalHeaderItem(row);
    if (!caption || caption->toolTip() == text)
        return;
    caption->setToolTip(text);
    caption->setIcon(text.isEmpty() ? QIcon()
                                    : style()->standardIcon(QStyle::SP_MessageBoxWarning));
}

QString BoxScoreGrid::rowWarning(int row) const {
    const QTableWidgetItem* caption = verticalHeaderItem(row);
    return caption ? caption->toolTip() : QString();
}

bool BoxScoreGrid::hasTypedCells() const {
    for (int r = 0; r < playerRows_; ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            if (!cellText(r, c).isEmpty())
                return true;
        }
    }
    return false;
}

void BoxScoreGrid::finishEditing() {
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void BoxScoreGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableWidget::currentChanged(current, previous);
    fresh_ = true;
}

void BoxScoreGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    if (!currentIndex().isValid() && playerRows_ > 0 && columnCount() > 0)
        setCurrentCell(0, 0);
    fresh_ = true;
}

QModelIndex BoxScoreGrid::cellAcross(const QModelIndex& from, bool forward) const {
    int row = from.row();
    int column = from.column() + (forward ? 1 : -1);
    if (column >= columnCount()) {
        ++row;
        column = 0;
    } else if (column < 0) {
        --row;
        column = columnCount() - 1;
    }
    if (row < 0 || row >= playerRows_)
        return {};
    return model()->index(row, column);
}

QModelIndex BoxScoreGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    if (current.isValid() && (action == MoveNext || action == MovePrevious)) {
        const QModelIndex next = cellAcross(current, action == MoveNext);
        return next.isValid() ? next : current;
    }
    // The totals row is worked out, never typed: the cursor stays off it.
    const QModelIndex next = QTableWidget::moveCursor(action, modifiers);
    if (next.isValid() && next.row() >= playerRows_)
        return model()->index(std::max(0, playerRows_ - 1), next.column());
    return next;
}

void BoxScoreGrid::keyPressEvent(QKeyEvent* event) {
    const QModelIndex current = currentIndex();
    if (event->matches(QKeySequence::Paste)) {
        paste();
        return;
    }
    const bool plain =
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    switch (event->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab: {
            // Past the last cell (or before the first) the focus leaves the grid.
            const QModelIndex next =
                current.isValid()
                    ? cellAcross(current, event->key() == Qt::Key_Tab &&
                                              !(event->modifiers() & Qt::ShiftModifier))
                    : QModelIndex();
            if (!next.isValid()) {
                event->ignore();
                return;
            }
            setCurrentIndex(next);
            return;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!plain) {
                event->ignore();
                return;
            }
            endRow();
            return;
        case Qt::Key_Delete:
            clearSelectedCells();
            return;
        case Qt::Key_Backspace:
            eraseLast();
            return;
        case Qt::Key_Escape:
            event->ignore();
            return;
        default:
            break;
    }
    if (isTypingKey(event)) {
        if (!jumpToPart(event->text()))
            typeText(event->text());
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void BoxScoreGrid::typeText(const QString& text) {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || current.row() >= playerRows_)
        return;
    const CellKind kind = columnKind(current.column());
    QString typed = (fresh_ ? QString() : cellText(current.row(), current.column())) + text;
    if (kind == CellKind::Decision)
        typed = typed.toUpper();
    // Anything the cell cannot hold is refused as it is typed.
    if (!isCellText(kind, typed)) {
        QApplication::beep();
        return;
    }
    fresh_ = false;
    item(current.row(), current.column())->setText(typed);
    if (isComplete(kind, typed)) {
        const QModelIndex next = cellAcross(current, true);
        if (next.isValid())
            setCurrentIndex(next);
    }
}

bool BoxScoreGrid::jumpToPart(const QString& text) {
    const QModelIndex current = currentIndex();
    if (text.size() != 1 || !current.isValid() || current.row() >= playerRows_)
        return false;
    // A decision cell takes its own letters.
    if (isCellText(columnKind(current.column()), text) && !text.at(0).isDigit())
        return false;
    for (const auto& part : parts_) {
        if (part.first.toUpper() == text.at(0).toUpper()) {
            setCurrentCell(current.row(), part.second);
            return true;
        }
    }
    return false;
}

void BoxScoreGrid::endRow() {
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    if (current.row() + 1 < playerRows_) {
        setCurrentCell(current.row() + 1, partStart(current.column()));
        return;
    }
    // After the last player the team's runs are next.
    emit passedLastRow();
}

void BoxScoreGrid::eraseLast() {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || current.row() >= playerRows_)
        return;
    QString text = cellText(current.row(), current.column());
    text.chop(fresh_ ? text.size() : 1);
    fresh_ = false;
    item(current.row(), current.column())->setText(text);
}

void BoxScoreGrid::clearSelectedCells() {
    QModelIndexList cells = selectedIndexes();
    if (cells.isEmpty() && currentIndex().isValid())
        cells << currentIndex();
    filling_ = true;
    bool cleared = false;
    for (const QModelIndex& cell : cells) {
        if (cell.row() < playerRows_ && !cellText(cell.row(), cell.column()).isEmpty()) {
            item(cell.row(), cell.column())->setText(QString());
            cleared = true;
        }
    }
    filling_ = false;
    if (cleared)
        emit cellsEdited();
}

void BoxScoreGrid::paste() {
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    QString text = QApplication::clipboard()->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    // A spreadsheet ends the copied block with a line break.
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return;
    QList<QStringList> block;
    int width = 0;
    for (int r = 0; r < lines.size(); ++r) {
        QStringList cells = lines.at(r).split(QLatin1Char('\t'));
        for (int c = 0; c < cells.size(); ++c) {
            cells[c] = cells.at(c).trimmed();
            if (!isCellText(columnKind(current.column() + c), cells.at(c))) {
                Messages::error(this, QStringLiteral("Nothing was pasted: \"%1\" (row %2, column "
                                                     "%3 of the copied cells) does not fit its "
                                                     "cell.")
                                          .arg(cells.at(c))
                                          .arg(r + 1)
                                          .arg(c + 1));
                return;
            }
        }
        width = std::max(width, static_cast<int>(cells.size()));
        block << cells;
    }
    const int rowsLeft = playerRows_ - current.row();
    const int columnsLeft = columnCount() - current.column();
    if (block.size() > rowsLeft || width > columnsLeft) {
        Messages::error(this, QStringLiteral("Nothing was pasted: the copied cells are %1 rows by "
                                             "%2 columns, and from this cell the grid has room "
                                             "for %3 rows by %4 columns.")
                                  .arg(block.size())
                                  .arg(width)
                                  .arg(rowsLeft)
                                  .arg(columnsLeft));
        return;
    }
    filling_ = true;
    for (int r = 0; r < block.size(); ++r) {
        for (int c = 0; c < block.at(r).size(); ++c)
            item(current.row() + r, current.column() + c)->setText(block.at(r).at(c));
    }
    filling_ = false;
    setRangeSelected(QTableWidgetSelectionRange(current.row(), current.column(),
                                                current.row() + static_cast<int>(block.size()) - 1,
                                                current.column() + width - 1),
                     true);
    emit cellsEdited();
}
