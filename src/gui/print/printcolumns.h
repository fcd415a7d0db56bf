#pragma once

#include "print/printsection.h"

#include <QFont>
#include <QList>
#include <QStringList>

// The texts of one column that must print whole: its headers always, and its cells when the
// column is wide enough on screen for every text it holds, so that paper cuts no text the
// screen shows whole.
struct TPrintColumnTexts {
    QStringList headers;  // printed bold
    QStringList cells;    // each text once
};

// One entry per column of `widths` (column 0, the key column, included and left empty). The
// texts are measured in `font` with a table cell's margins.
QList<TPrintColumnTexts> textsToPrintWhole(const QList<TPrintSection>& sections,
                                           const QList<int>& widths, const QFont& font);
