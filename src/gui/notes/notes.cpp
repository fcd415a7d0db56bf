#include "notes/notes.h"

#include "common/messages.h"
#include "help/helpviewer.h"
#include "notes/notesfile.h"
#include "notes/notesfiles.h"
#include "store/datafiles.h"
#include "store/linecodec.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QPainter>
#include <QPageLayout>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTextCursor>
#include <QTextLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kHeadingWidth = 80;
constexpr int kReferenceWidth = 5;
constexpr int kTabWidth = 8;

// Tabs become blanks up to the next multiple of eight columns, as a plain text printer shows them.
QString expandTabs(const QString& line) {
    QString out;
    for (QChar c : line) {
        if (c == QLatin1Char('\t')) {
            do {
                out += QLatin1Char(' ');
            } while (out.size() % kTabWidth != 0);
        } else {
            out += c;
        }
    }
    return out;
}

// The printed rows of one line of the note: a line wider than the page goes on over the next
// rows, broken between words where it can be, so nothing is cut off at the paper's edge.
QStringList wrapLine(const QString& line, const QFont& font, QPaintDevice* device, qreal width) {
    const QString text = expandTabs(line);
    if (text.isEmpty())
        return {QString()};
    QStringList rows;
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
        row.setLineWidth(width);
        rows << text.mid(row.textStart(), row.textLength());
    }
    layout.endLayout();
    return rows;
}

}  // namespace

TNoteForm::TNoteForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("NoteForm"));
    setModal(true);

    ButtonPanel = new QWidget(this);
    ButtonPanel->setObjectName(QStringLiteral("ButtonPanel"));
    ButtonPanel->setFixedHeight(33);
    auto* buttons = new QHBoxLayout(ButtonPanel);
    buttons->setContentsMargins(2, 2, 2, 2);
    buttons->setSpacing(0);
    SaveButton = makeButton("SaveButton", QStringLiteral("&Save"));
    CutButton = makeButton("CutButton", QStringLiteral("Cu&t"));
    CopyButton = makeButton("CopyButton", QStringLiteral("&Copy"));
    PasteButton = makeButton("PasteButton", QStringLiteral("&Paste"));
    PrintButton = makeButton("PrintButton", QStringLiteral("P&rint"));
    HelpButton = makeButton("HelpButton", QStringLiteral("&Help"));
    CloseButton = makeButton("CloseButton", QStringLiteral("E&xit"));
    buttons->addStretch(1);

    Notes = new QPlainTextEdit(this);
    Notes->setObjectName(QStringLiteral("Notes"));
    Notes->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ButtonPanel);
    layout->addWidget(Notes, 1);

    // A fixed dialog border: the window keeps its size.
    setFixedSize(569, 402);

    connect(SaveButton, &QPushButton::clicked, this, &TNoteForm::SaveButtonClick);
    connect(CutButton, &QPushButton::clicked, this, &TNoteForm::CutButtonClick);
    connect(CopyButton, &QPushButton::clicked, this, &TNoteForm::CopyButtonClick);
    connect(PasteButton, &QPushButton::clicked, this, &TNoteForm::PasteButtonClick);
    connect(PrintButton, &QPushButton::clicked, this, &TNoteForm::PrintButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, &TNoteForm::HelpButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TNoteForm::reject);
}

TNoteForm::~TNoteForm() = default;

QPushButton* TNoteForm::makeButton(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, ButtonPanel);
    button->setObjectName(QLatin1String(name));
    button->setFixedWidth(80);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    ButtonPanel->layout()->addWidget(button);
    return button;
}

void TNoteForm::OpenNotes(pny::Store& store, const QString& mainCaption, const QString& heading,
                          const std::string& reference) {
    const QString head = heading.left(kHeadingWidth);
    const std::string ref = pny::cutTo(reference, kReferenceWidth);
    if (head.isEmpty() || ref.empty())
        return;
    const QString path = pny::notesPath(store, head.at(0).toLatin1(), ref);
    if (path.isEmpty())
        return;

    std::vector<std::string> lines;
    QString error;
    if (!pny::loadNoteLines(path, lines, error)) {
        // Opening an unreadable note empty would overwrite it at the next save.
        Messages::error(parentWidget(), error);
        return;
    }
    path_ = path;
    setWindowTitle(path_);
    if (QFileInfo::exists(path_)) {
        Notes->setPlainText(pny::noteText(lines));
        Notes->moveCursor(QTextCursor::Start);
    } else {
        Notes->setPlainText(mainCaption + QLatin1Char('\n') + head);
        Notes->moveCursor(QTextCursor::End);
    }
    // A new note the user leaves untouched writes no file.
    Notes->document()->setModified(false);
    Notes->setFocus();
    exec();
}

bool TNoteForm::save() {
    std::vector<std::string> lines;
    QString refused;
    if (!pny::noteLines(Notes->toPlainText(), lines, refused)) {
        Messages::error(this, pny::refusedCharacterMessage(path_, refused));
        Notes->setFocus();
        return false;
    }
    QString error;
    if (!pny::saveNoteLines(path_, lines, error)) {
        Messages::error(this, error);
        Notes->setFocus();
        return false;
    }
    Notes->document()->setModified(false);
    Notes->setFocus();
    return true;
}

void TNoteForm::SaveButtonClick() {
    save();
}

void TNoteForm::CutButtonClick() {
    Notes->cut();
    Notes->setFocus();
}

void TNoteForm::CopyButtonClick() {
    Notes->copy();
    Notes->setFocus();
}

void TNoteForm::PasteButtonClick() {
    Notes->paste();
    Notes->setFocus();
}

QPrinter* TNoteForm::printer() {
    if (sharedPrinter_)
        return sharedPrinter_;
    if (!ownPrinter_)
        ownPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return ownPrinter_.get();
}

void TNoteForm::PrintButtonClick() {
    printedPages_ = 0;
    QPrinter* target = printer();
    if (!testOutput_.isEmpty()) {
        target->setOutputFormat(QPrinter::PdfFormat);
        target->setOutputFileName(testOutput_);
    } else {
        QPrintDialog dialog(target, this);
        dialog.setObjectName(QStringLiteral("PrintDialog"));
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        if (dialog.exec() != QDialog::Accepted) {
            Notes->setFocus();
            return;
        }
    }
    printLines(target);
    Notes->setFocus();
}

bool TNoteForm::printLines(QPrinter* target) {
    target->setDocName(path_);
    // Printed into a file, the file passes the check of every file the user names.
    const QString file =
        target->outputFormat() == QPrinter::PdfFormat ? target->outputFileName() : QString();
    if (const QString refused = file.isEmpty() ? QString() : pny::refuseOutputPath(file);
        !refused.isEmpty()) {
        Messages::error(this, refused);
        return false;
    }
    QPainter painter;
    if (!painter.begin(target)) {
        const QString where = target->outputFileName().isEmpty()
                                  ? QStringLiteral("the printer")
                                  : QStringLiteral("\"%1\"").arg(target->outputFileName());
        Messages::error(this, QStringLiteral("Cannot print to %1, aborting print job.").arg(where));
        return false;
    }
    // Plain text: a fixed-pitch font, at least half an inch from every edge of the paper.
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(10);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, target);

    const int resolution = target->resolution();
    const QPageLayout page = target->pageLayout();
    const QRect paper = page.fullRectPixels(resolution);
    const QRect printable = page.paintRectPixels(resolution);
    const int half = resolution / 2;
    QRectF area = QRectF(printable).intersected(QRectF(paper.adjusted(half, half, -half, -half)));
    if (!target->fullPage())
        area.translate(-printable.topLeft());
    const qreal lineHeight = metrics.lineSpacing();
    const int rowsPerPage = std::max(1, static_cast<int>(area.height() / lineHeight));

    int pages = 1;
    int row = 0;
    const QStringList lines = Notes->toPlainText().split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        for (const QString& text : wrapLine(line, font, target, area.width())) {
            if (row == rowsPerPage) {
                target->newPage();
                ++pages;
                row = 0;
            }
            painter.drawText(QPointF(area.left(), area.top() + row * lineHeight + metrics.ascent()),
                             text);
            ++row;
        }
    }
    painter.end();
    printedPages_ = pages;
    return true;
}

void TNoteForm::HelpButtonClick() {
    HelpViewer::showTopic(QStringLiteral("Note_Window"));
    Notes->setFocus();
}

bool TNoteForm::FormCloseQuery() {
    if (!Notes->document()->isModified())
        return true;
    const QMessageBox::StandardButton answer =
        Messages::ask(this, QMessageBox::Question, QStringLiteral("Save ") + path_,
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return save();
    if (answer == QMessageBox::No)
        return true;
    Notes->setFocus();
    return false;
}

void TNoteForm::reject() {
    if (FormCloseQuery())
        QDialog::reject();
}

void TNoteForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}
