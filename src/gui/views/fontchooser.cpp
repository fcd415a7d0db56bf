#include "views/fontchooser.h"

#include "help/helpviewer.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"
#include "views/displaysettings.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QList<std::optional<FontChoice>>& presetAnswers() {
    static QList<std::optional<FontChoice>> answers;
    return answers;
}

}  // namespace

void presetFontChoices(const QList<std::optional<FontChoice>>& answers) {
    presetAnswers() = answers;
}

TFontDialog::TFontDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FontDialog"));
    setModal(true);
    setWindowTitle(QStringLiteral("Font"));

    // Qt's own font chooser, shown inside this dialog without its buttons.
    fonts_ = new QFontDialog(this);
    fonts_->setObjectName(QStringLiteral("FontChooser"));
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts_->setWindowFlags(Qt::Widget);

    auto* colourLabel = new QLabel(QStringLiteral("Colour:"), this);
    sample_ = new QLabel(this);
    sample_->setObjectName(QStringLiteral("ColourSample"));
    sample_->setFixedSize(48, 20);
    sample_->setAutoFillBackground(true);
    sample_->setFrameShape(QFrame::Box);
    colourButton_ = new QPushButton(QStringLiteral("&Colour..."), this);
    colourButton_->setObjectName(QStringLiteral("ColourButton"));
    colourButton_->setAutoDefault(false);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(colourLabel);
    colourRow->addWidget(sample_);
    colourRow->addWidget(colourButton_);
    colourRow->addStretch(1);

    const auto makeButton = [this](const QString& name, const QString& caption,
                                   QStyle::StandardPixmap picture) {
        auto* button = new QPushButton(style()->standardIcon(picture), caption, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        return button;
    };
    auto* ok =
        makeButton(QStringLiteral("OkButton"), QStringLiteral("OK"), QStyle::SP_DialogOkButton);
    auto* help = makeButton(QStringLiteral("HelpButton"), QStringLiteral("Help"),
                            QStyle::SP_DialogHelpButton);
    auto* cancel = makeButton(QStringLiteral("CancelButton"), QStringLiteral("Cancel"),
                              QStyle::SP_DialogCancelButton);
    ok->setDefault(true);
    colourRow->addWidget(ok);
    colourRow->addWidget(help);
    colourRow->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_, 1);
    layout->addLayout(colourRow);

    connect(colourButton_, &QPushButton::clicked, this, &TFontDialog::ColourButtonClick);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, &TFontDialog::HelpButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFontDialog::setChoice(const QFont& font, const QColor& colour) {
    fonts_->setCurrentFont(font);
    colour_ = colour;
    showColour();
}

QFont TFontDialog::chosenFont() const {
    return fonts_->currentFont();
}

void TFontDialog::showColour() {
    QPalette palette = sample_->palette();
    palette.setColor(QPalette::Window, colour_);
    sample_->setPalette(palette);
}

void TFontDialog::ColourButtonClick() {
    const QColor chosen = QColorDialog::getColor(colour_, this, QStringLiteral("Colour"));
    if (chosen.isValid()) {
        colour_ = chosen;
        showColour();
    }
}

void TFontDialog::HelpButtonClick() {
    HelpViewer::showTopic(QStringLiteral("Font_Button"));
}

bool chooseTableFont(QWidget* parent, pny::Store& store, QWidget* table) {
    if (!table || !store.ensureLeagues() || !store.hasLeague() ||
        !store.leagues.isValidRecord(pny::toNumber(store.year.currentLeague))) {
        return false;
    }
    std::optional<FontChoice> answer;
    if (!presetAnswers().isEmpty()) {
        answer = presetAnswers().takeFirst();
    } else {
        TFontDialog dialog(parent);
        dialog.setChoice(table->font(), table->palette().color(QPalette::Text));
        if (dialog.exec() == QDialog::Accepted)
            answer = FontChoice{dialog.chosenFont(), dialog.chosenColour()};
    }
    if (!answer)
        return false;

    const QFont& font = answer->font;
    const QColor colour = answer->colour.isValid() ? answer->colour : QColor(Qt::black);
    table->setFont(font);
    QPalette palette = table->palette();
    palette.setColor(QPalette::Text, colour);
    table->setPalette(palette);
    if (auto* view = qobject_cast<QTableView*>(table))
        view->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 4);

    pny::TableFont stored;
    stored.red = colour.red();
    stored.green = colour.green();
    stored.blue = colour.blue();
    // A family the code page cannot write is not stored: the league then keeps the table's font.
    std::string name;
    if (pny::toCodePage(font.family(), name))
        stored.name = name;
    // A font sized in pixels has no point size of its own: store the size it is shown at.
    stored.pointSize = font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
    stored.bold = font.bold();
    stored.italic = font.italic();
    pny::setFontFields(store.league, stored);
    store.writeLeague();
    return true;
}
