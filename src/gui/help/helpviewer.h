#pragma once

#include <QString>

// The program's manual: HTML pages compiled in as resources, shown in a window of our own and
// opened at a named topic (an anchor in one of the pages).
class HelpViewer {
public:
    // Opens the manual at `topic` ("Contents", "Year_Button", ...).
    static void showTopic(const QString& topic);
    // The topic opened last, for tests.
    static QString lastTopic();
    // The page and anchor of a topic ("qrc:/help/index.html#Contents"), or an empty text when no
    // page holds it.
    static QString urlOfTopic(const QString& topic);
};
