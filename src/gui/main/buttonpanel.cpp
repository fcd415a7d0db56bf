#include "main/buttonpanel.h"

#include "common/icons.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace buttonpanel {

QFrame* make(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("ButtonPanel"));
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    panel->setPalette(palette);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    return panel;
}

QToolButton* addButton(QFrame* panel, const QString& name, const QString& caption,
                       const QString& icon, int width) {
    auto* button = new QToolButton(panel);
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(icons::button(icon));
    button->setIconSize(QSize(22, 22));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setMinimumWidth(width);
    button->setFixedHeight(49);
    button->setFocusPolicy(Qt::NoFocus);
    panel->layout()->addWidget(button);
    return button;
}

void addCaption(QFrame* panel) {
    auto* caption = new QLabel(QStringLiteral("PNY "), panel);
    caption->setObjectName(QStringLiteral("PanelCaption"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(32);
    font.setBold(true);
    caption->setFont(font);
    caption->setStyleSheet(QStringLiteral("color: grey;"));
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption->setMinimumWidth(0);
    caption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    static_cast<QHBoxLayout*>(panel->layout())->addWidget(caption, 1);
}

}  // namespace buttonpanel
