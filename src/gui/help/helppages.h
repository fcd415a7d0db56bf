#pragma once

#include <QString>

// Where the manual's topics are: HTML pages compiled in as resources, each topic an anchor in
// one of them. Knows nothing of the window that shows them.
namespace HelpPages {

// The page and anchor of a topic ("qrc:/help/index.html#Contents"), or an empty text when no
// page holds it.
QString urlOfTopic(const QString& topic);

}  // namespace HelpPages
