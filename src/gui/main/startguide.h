#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

// The short guide an empty data folder shows in the table area: what to do first, with a button
// that starts a season and one that opens the sample season installed with the program.
class TStartGuide : public QFrame {
    Q_OBJECT
public:
    explicit TStartGuide(QWidget* parent = nullptr);

    // Shows the sample button only when there is a sample to open.
    void setSampleAvailable(bool available);
    // Takes the middle of `area`, as much of it as the guide wants and the area allows.
    void placeOver(const QRect& area);

signals:
    void startSeason();
    void openSample();

private:
    QLabel* text_ = nullptr;
    QPushButton* sampleButton_ = nullptr;
};
