#pragma once

#include <QList>
#include <QStringList>

// One table of a printout of several: lines centred above it (the first in bold), then its header
// row and its rows. Column 0 of the header and of every row is a key column and never printed.
struct TPrintSection {
    QStringList headings;
    QStringList headers;
    QList<QStringList> rows;
};
