#pragma once

#include <QString>

// The program's help: the manual compiled in as resources, opened at a named topic.
class HelpViewer {
public:
    // Shows the manual at the anchor `topic` ("Contents", "Update_Button"...).
    static void showTopic(const QString& topic);
    // The topic last asked for; empty before the first.
    static QString lastTopic();
};
