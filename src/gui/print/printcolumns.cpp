#include "print/printcolumns.h"

#include <QApplication>
#include <QFontMetrics>
#include <QSet>
#include <QStyle>

QList<TPrintColumnTexts> textsToPrintWhole(const QList<TPrintSection>& sections,
                                           const QList<int>& widths, const QFont& font) {
    // A table cell keeps this much room on either side of its text.
    const int margins = 2 * (QApplication::style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics plainMetrics(font);
    const QFontMetrics boldMetrics(bold);
    QList<TPrintColumnTexts> columns(widths.size());
    for (int c = 1; c < widths.size(); ++c) {
        TPrintColumnTexts& column = columns[c];
        QSet<QString> cells;
        bool wholeOnScreen = true;
        for (const TPrintSection& section : sections) {
            const QString header = section.headers.value(c);
            column.headers << header;
            wholeOnScreen =
                wholeOnScreen && boldMetrics.horizontalAdvance(header) + margins <= widths.at(c);
            for (const QStringList& row : section.rows) {
                const QString text = row.value(c);
                if (text.isEmpty() || cells.contains(text))
                    continue;
                cells.insert(text);
                wholeOnScreen =
                    wholeOnScreen && plainMetrics.horizontalAdvance(text) + margins <= widths.at(c);
            }
        }
        if (wholeOnScreen)
            column.cells = QStringList(cells.begin(), cells.end());
    }
    return columns;
}
