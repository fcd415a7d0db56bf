#pragma once

#include <QString>

// The one way into the manual for every window: open it at a named topic. Windows include this
// header only; the help window and the page lookup behind it include no window of ours.
class HelpViewer {
public:
    // Opens the manual at `topic` ("Contents", "Year_Button", ...); an unknown topic opens the
    // contents.
    static void showTopic(const QString& topic);
    // The topic opened last, for tests.
    static QString lastTopic();
    // The page and anchor of a topic ("qrc:/help/index.html#Contents"), or an empty text when no
    // page holds it.
    static QString urlOfTopic(const QString& topic);
};
