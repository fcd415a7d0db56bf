#include "common/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace icons {
namespace {

// Draws a simple, clean glyph for each command on a 24-pixel square.
void drawGlyph(QPainter& p, const QString& name) {
    const QColor ink(40, 60, 110);
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    if (name == QLatin1String("file")) {
        p.drawRect(5, 4, 14, 17);
        p.drawLine(8, 9, 16, 9);
        p.drawLine(8, 13, 16, 13);
        p.drawLine(8, 17, 13, 17);
    } else if (name == QLatin1String("year")) {
        p.drawRect(4, 6, 16, 14);
        p.drawLine(4, 10, 20, 10);
        p.drawLine(8, 3, 8, 7);
        p.drawLine(16, 3, 16, 7);
    } else if (name == QLatin1String("league")) {
        p.drawRect(6, 4, 12, 8);
        p.drawLine(12, 12, 12, 17);
        p.drawLine(7, 20, 17, 20);
        p.drawLine(9, 17, 15, 17);
    } else if (name == QLatin1String("team")) {
        p.drawEllipse(QPointF(8, 9), 3, 3);
        p.drawEllipse(QPointF(16, 9), 3, 3);
        p.drawArc(3, 14, 10, 10, 0, 180 * 16);
        p.drawArc(11, 14, 10, 10, 0, 180 * 16);
    } else if (name == QLatin1String("player")) {
        p.drawEllipse(QPointF(12, 8), 4, 4);
        p.drawArc(5, 14, 14, 14, 0, 180 * 16);
    } else if (name == QLatin1String("update")) {
        p.drawLine(5, 19, 17, 7);
        p.drawLine(15, 5, 19, 9);
        p.drawLine(5, 19, 4, 21);
    } else if (name == QLatin1String("setup")) {
        p.drawLine(5, 7, 19, 7);
        p.drawLine(5, 12, 19, 12);
        p.drawLine(5, 17, 19, 17);
        p.setBrush(ink);
        p.drawEllipse(QPointF(9, 7), 2, 2);
        p.drawEllipse(QPointF(15, 12), 2, 2);
        p.drawEllipse(QPointF(11, 17), 2, 2);
    } else if (name == QLatin1String("notes")) {
        p.drawRect(5, 3, 14, 18);
        p.drawLine(8, 8, 16, 8);
        p.drawLine(8, 12, 16, 12);
        p.drawLine(8, 16, 12, 16);
    } else if (name == QLatin1String("font")) {
        QFont font(QStringLiteral("Serif"));
        font.setPixelSize(18);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, QStringLiteral("A"));
    } else if (name == QLatin1String("print")) {
        p.drawRect(7, 3, 10, 6);
        p.drawRect(4, 9, 16, 8);
        p.drawRect(7, 14, 10, 7);
    } else if (name == QLatin1String("help")) {
        p.drawEllipse(QPointF(12, 12), 9, 9);
        QFont font;
        font.setPixelSize(13);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, QStringLiteral("?"));
    } else if (name == QLatin1String("exit")) {
        p.drawRect(5, 4, 10, 16);
        p.drawLine(12, 12, 21, 12);
        p.drawLine(18, 9, 21, 12);
        p.drawLine(18, 15, 21, 12);
    }
}

}  // namespace

QPixmap applicationPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(QPen(QColor(90, 90, 90), 1.5));
    p.setBrush(QColor(250, 250, 245));
    p.drawEllipse(QRectF(2, 2, 28, 28));
    // The two red seams of a baseball.
    p.setPen(QPen(QColor(200, 30, 30), 1.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath left;
    left.moveTo(9, 4.5);
    left.cubicTo(14, 12, 14, 20, 9, 27.5);
    QPainterPath right;
    right.moveTo(23, 4.5);
    right.cubicTo(18, 12, 18, 20, 23, 27.5);
    p.drawPath(left);
    p.drawPath(right);
    return pixmap;
}

QIcon application() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128})
        icon.addPixmap(applicationPixmap(size));
    return icon;
}

QIcon button(const QString& name) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlyph(p, name);
    p.end();
    return QIcon(pixmap);
}

}  // namespace icons
