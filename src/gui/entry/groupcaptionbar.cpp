#include "entry/groupcaptionbar.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

GroupCaptionBar::GroupCaptionBar(QTableView* table, QWidget* parent)
    : QWidget(parent), table_(table) {
    const auto repaint = [this] { update(); };
    connect(table->horizontalHeader(), &QHeaderView::sectionResized, this, repaint);
    connect(table->horizontalHeader(), &QHeaderView::geometriesChanged, this, repaint);
    connect(table->verticalHeader(), &QHeaderView::geometriesChanged, this, repaint);
    connect(table->horizontalScrollBar(), &QScrollBar::valueChanged, this, repaint);
}

void GroupCaptionBar::setGroups(const QList<Group>& groups) {
    groups_ = groups;
    update();
}

QSize GroupCaptionBar::sizeHint() const {
    return {0, fontMetrics().height() + 6};
}

QSize GroupCaptionBar::minimumSizeHint() const {
    return sizeHint();
}

void GroupCaptionBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QHeaderView* header = table_->horizontalHeader();
    // The bar stands over the whole table: the columns start after its frame and row captions.
    const QPoint origin =
        table_->viewport()->mapTo(window(), QPoint(0, 0)) - mapTo(window(), QPoint(0, 0));
    const int right = origin.x() + table_->viewport()->width();
    painter.setClipRect(QRect(origin.x(), 0, right - origin.x(), height()));
    for (const Group& group : groups_) {
        if (group.columnCount <= 0)
            continue;
        const int last = group.firstColumn + group.columnCount - 1;
        const int left = origin.x() + header->sectionViewportPosition(group.firstColumn);
        const int end =
            origin.x() + header->sectionViewportPosition(last) + header->sectionSize(last);
        const QRect box(left, 0, end - left - 1, height() - 1);
        painter.fillRect(box, palette().button());
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(box);
        // The caption stays in the part of its group that is in view.
        const QRect shown = box.intersected(QRect(origin.x(), 0, right - origin.x(), height()));
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(shown, Qt::AlignCenter, group.caption);
    }
}
