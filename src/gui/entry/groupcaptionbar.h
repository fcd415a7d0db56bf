#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QTableView;

// A row of captions above a table's header naming groups of its columns ("Batting",
// "Pitching"...). It follows the columns as they scroll and resize.
class GroupCaptionBar : public QWidget {
    Q_OBJECT
public:
    struct Group {
        int firstColumn;
        int columnCount;
        QString caption;
    };

    GroupCaptionBar(QTableView* table, QWidget* parent = nullptr);

    void setGroups(const QList<Group>& groups);
    const QList<Group>& groups() const { return groups_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTableView* table_;
    QList<Group> groups_;
};
