#include "main/list.h"

#include "common/messages.h"
#include "help/helpviewer.h"
#include "main/name.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/listitems.h"
#include "store/records.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kFormWidth = 205;  // the narrowest the dialog gets
// The part of an item that shows: the number and up to 40 characters of the name.
constexpr int kVisibleItemLength = 48;
constexpr int kTopPanelHeight = 44;
constexpr int kBottomPanelHeight = 49;
constexpr int kKindLength = 6;

// Every row of the list has the same height, whatever the font.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(TListForm::kItemHeight);
        return size;
    }
};

bool beginsWithX(const std::string& line) {
    return !line.empty() && line[0] == 'X';
}

}  // namespace

TListForm::TListForm(TNameForm& nameForm, QWidget* parent) : QDialog(parent), nameForm_(nameForm) {
    setObjectName(QStringLiteral("ListForm"));
    setModal(true);

    TopPanel = new QWidget(this);
    TopPanel->setObjectName(QStringLiteral("TopPanel"));
    TopPanel->setFixedHeight(kTopPanelHeight);
    HelpButton = makeButton(TopPanel, "HelpButton", QStringLiteral("&Help"));
    NoteButton = makeButton(TopPanel, "NoteButton", QStringLiteral("&Notes"));
    DeleteButton = makeButton(TopPanel, "DeleteButton", QStringLiteral("&Delete"));
    UndeleteButton = makeButton(TopPanel, "UndeleteButton", QStringLiteral("&Undelete"));

    ListBox = new QListWidget(this);
    ListBox->setObjectName(QStringLiteral("ListBox"));
    QFont font(QStringLiteral("System"));
    font.setStyleHint(QFont::TypeWriter);  // the numbers are right-aligned by blanks
    font.setBold(true);
    font.setPixelSize(13);
    ListBox->setFont(font);
    ListBox->setItemDelegate(new FixedRowDelegate(ListBox));
    ListBox->setUniformItemSizes(true);
    ListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    // The index at the end of each item stays out of sight.
    ListBox->setTextElideMode(Qt::ElideNone);
    ListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);

    BottomPanel = new QWidget(this);
    BottomPanel->setObjectName(QStringLiteral("BottomPanel"));
    BottomPanel->setFixedHeight(kBottomPanelHeight);
    OkButton = makeButton(BottomPanel, "OkButton", QStringLiteral("&OK"));
    NewButton = makeButton(BottomPanel, "NewButton", QStringLiteral("Ne&w"));
    EditButton = makeButton(BottomPanel, "EditButton", QStringLiteral("&Edit"));
    CancelButton = makeButton(BottomPanel, "CancelButton", QStringLiteral("&Cancel"));
    OkButton->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(TopPanel);
    layout->addWidget(ListBox, 1);
    layout->addWidget(BottomPanel);

    connect(HelpButton, &QPushButton::clicked, this, &TListForm::HelpButtonClick);
    connect(NoteButton, &QPushButton::clicked, this, [this] { done(NotesResult); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { done(DeleteResult); });
    connect(UndeleteButton, &QPushButton::clicked, this, [this] { done(UndeleteResult); });
    connect(OkButton, &QPushButton::clicked, this, [this] { done(OkResult); });
    connect(NewButton, &QPushButton::clicked, this, [this] { done(NewResult); });
    connect(EditButton, &QPushButton::clicked, this, [this] { done(EditResult); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { done(CancelResult); });
    connect(ListBox, &QListWidget::itemDoubleClicked, this, &TListForm::ListBoxDblClick);

    resize(kFormWidth, 2 * kItemHeight + kTopPanelHeight + kBottomPanelHeight);
}

int TListForm::neededWidth() const {
    // Each button row needs the buttons at the width their captions take in the font.
    int buttons = 0;
    for (const QWidget* panel : {TopPanel, BottomPanel}) {
        const QLayout* row = panel->layout();
        const QMargins margins = row->contentsMargins();
        int width = margins.left() + margins.right();
        int count = 0;
        for (const QPushButton* button : panel->findChildren<QPushButton*>()) {
            width += button->sizeHint().width();
            ++count;
        }
        width += std::max(0, count - 1) * row->spacing();
        buttons = std::max(buttons, width);
    }
    // The list needs its longest item; the index after it stays out of sight.
    const QFontMetrics metrics(ListBox->font());
    int items = 0;
    for (int i = 0; i < ListBox->count(); ++i) {
        const QString visible = ListBox->item(i)->text().left(kVisibleItemLength);
        qsizetype end = visible.size();
        while (end > 0 && visible.at(end - 1).isSpace())
            --end;
        items = std::max(items, metrics.horizontalAdvance(visible.left(end)));
    }
    items += 2 * ListBox->frameWidth() + 8 + ListBox->verticalScrollBar()->sizeHint().width();
    return std::max({kFormWidth, buttons, items});
}

QPushButton* TListForm::makeButton(QWidget* panel, const char* name, const QString& caption) {
    if (!panel->layout()) {
        auto* row = new QHBoxLayout(panel);
        row->setContentsMargins(2, 2, 2, 2);
        row->setSpacing(1);
    }
    auto* button = new QPushButton(caption, panel);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    panel->layout()->addWidget(button);
    return button;
}

void TListForm::fillList(const pny::RecordList& list) {
    ListBox->clear();
    UndeleteButton->setEnabled(false);
    NewButton->setEnabled(!undeleteMode_);
    EditButton->setEnabled(!undeleteMode_);
    DeleteButton->setEnabled(!undeleteMode_);
    setWindowTitle(undeleteMode_ ? QStringLiteral("Undelete ") + kind_ : kind_);

    const pny::ListItems items = pny::listItemsOf(list, undeleteMode_);
    if (!undeleteMode_ && items.hasDeleted)
        UndeleteButton->setEnabled(true);
    itemTexts_ = items.texts;
    int selected = itemTexts_.empty() ? -1 : 0;
    for (std::size_t i = 0; i < itemTexts_.size(); ++i) {
        ListBox->addItem(pny::fromCodePage(itemTexts_[i]));
        if (pny::parseListItem(itemTexts_[i]).index == chosen_)
            selected = static_cast<int>(i);
    }
    ListBox->setCurrentRow(selected);
}

std::string TListForm::ListPicker(pny::RecordList& list, const std::string& kind,
                                  const std::string& currentIndex, bool& changed) {
    kind_ = pny::fromCodePage(pny::cutTo(kind, kKindLength));
    const std::string start = pny::cutTo(currentIndex, pny::width::kIndex);
    chosen_ = start;
    changed = false;
    undeleteMode_ = false;

    for (;;) {
        fillList(list);
        const int itemCount = ListBox->count();
        int result = NewResult;
        pny::ListItem item;
        bool haveItem = false;
        if (itemCount == 0 && undeleteMode_) {
            // Nothing left to restore: back to the active records.
            undeleteMode_ = false;
            continue;
        }
        if (itemCount > 0) {
            result = exec();
            const int row = ListBox->currentRow();
            if (row >= 0 && row < static_cast<int>(itemTexts_.size())) {
                item = pny::parseListItem(itemTexts_[static_cast<std::size_t>(row)]);
                chosen_ = item.index;
                haveItem = true;
            }
        }
        const int chosenIndex = pny::toNumber(chosen_);

        switch (result) {
            case OkResult:
                if (!undeleteMode_)
                    return chosen_;
                if (haveItem && pny::markRestored(list, chosenIndex))
                    changed = true;
                undeleteMode_ = false;
                break;
            case CancelResult:
                if (undeleteMode_) {
                    undeleteMode_ = false;
                    break;
                }
                // A starting record deleted meanwhile is not returned: the item selected last is.
                if (!beginsWithX(list.line(pny::toNumber(start))))
                    chosen_ = start;
                return chosen_;
            case NotesResult:
                if (haveItem && openNotes_) {
                    openNotes_(kind_ + QStringLiteral(": ") + pny::fromCodePage(item.number) +
                                   QLatin1Char(' ') + pny::fromCodePage(item.name),
                               item.index);
                }
                break;
            case UndeleteResult:
                undeleteMode_ = true;
                break;
            case EditResult: {
                if (!haveItem || undeleteMode_)
                    break;
                if (!nameForm_.Execute(QStringLiteral("Change Baseball ") + kind_, item.number,
                                       item.name)) {
                    break;
                }
                const std::string& number = nameForm_.typedNumber();
                const std::string& name = nameForm_.typedName();
                if (number == item.number && name == item.name)
                    break;
                if (number.empty() && name.empty())
                    break;
                if (!list.isValidRecord(chosenIndex))
                    break;
                list.setLine(chosenIndex,
                             pny::renamedRecordLine(list.line(chosenIndex), number, name));
                changed = true;
                break;
            }
            case NewResult: {
                if (undeleteMode_)
                    break;
                if (nameForm_.Execute(QStringLiteral("Add New Baseball ") + kind_, {}, {}) &&
                    !(nameForm_.typedNumber().empty() && nameForm_.typedName().empty())) {
                    const int added = list.append(
                        pny::newRecordLine(nameForm_.typedNumber(), nameForm_.typedName()));
                    chosen_ = pny::numberText(added);
                    changed = true;
                    break;
                }
                if (itemCount > 0)
                    break;
                return chosen_;
            }
            case DeleteResult: {
                if (!haveItem || undeleteMode_)
                    break;
                const QString question = QStringLiteral("Delete ") + kind_ + QStringLiteral(": ") +
                                         pny::fromCodePage(item.number) + QLatin1Char(' ') +
                                         pny::fromCodePage(item.name);
                if (!Messages::question(this, question))
                    break;
                if (pny::markDeleted(list, chosenIndex))
                    changed = true;
                if (itemCount == 1)
                    return chosen_;
                break;
            }
            default:
                return chosen_;
        }
    }
}

void TListForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormPaint();
}

void TListForm::FormPaint() {
    QWidget* main = mainWindow_ ? mainWindow_.data() : QApplication::activeWindow();
    if (main == this)
        main = nullptr;
    const int outside = TopPanel->height() + BottomPanel->height();
    int height = (ListBox->count() + 2) * kItemHeight + outside;
    if (main)
        height = std::min(height, main->height());
    // As wide as the longest item and the button rows need; a wider dialog stays centred where
    // it was.
    const int width = neededWidth();
    const int left = pos().x() + (this->width() - width) / 2;
    setFixedWidth(width);
    resize(width, height);
    if (main) {
        const int frameExtra = frameGeometry().height() - this->height();
        const QRect mainFrame = main->frameGeometry();
        const int top = mainFrame.top() + (mainFrame.height() - (height + frameExtra)) / 2;
        move(left, top);
    } else {
        move(left, pos().y());
    }
    ListBox->setFocus();
}

void TListForm::HelpButtonClick() {
    const QString caption = windowTitle();
    if (caption.startsWith(QStringLiteral("Undelete"))) {
        HelpViewer::showTopic(QStringLiteral("Undelete"));
    } else {
        HelpViewer::showTopic(caption + QStringLiteral("_Button"));
    }
}

void TListForm::ListBoxDblClick() {
    done(OkResult);
}
