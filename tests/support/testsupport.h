#pragma once

#include <QByteArray>
#include <QString>

namespace testsupport {

// Pins the collation locale so that orders are the same on every machine.
void pinLocale();

// Writes bytes to a file, creating or replacing it; fails the test when it cannot.
void writeFile(const QString& path, const QByteArray& bytes);

// The whole content of a file, or an empty array when it cannot be read.
QByteArray readFile(const QString& path);

// The folder of the shared fixtures.
QString dataPath(const QString& name);

}  // namespace testsupport
