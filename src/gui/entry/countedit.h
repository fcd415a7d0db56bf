#pragma once

#include "store/codepage.h"

#include <QLineEdit>

#include <string>

// The code page bytes of a count typed into an edit box. A count typed with a character the code
// page lacks is no number, so it reads as 0.
inline std::string countBytes(const QLineEdit* edit) {
    std::string bytes;
    if (!pny::toCodePage(edit->text(), bytes))
        return "?";
    return bytes;
}
