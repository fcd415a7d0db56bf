#pragma once

#include <QString>

#include <string>

namespace pny {

// Data files hold single-byte text in the Windows-1252 code page. The core keeps the bytes as
// they are; these two convert only where text meets the user.
QString fromCodePage(const std::string& bytes);

// The code page bytes of `text`. Returns false (and leaves `bytes` partial) when a character has
// no place in the code page.
bool toCodePage(const QString& text, std::string& bytes);

}  // namespace pny
