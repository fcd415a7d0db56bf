#pragma once

#include <QString>

namespace pny {

class Store;

// Publishes the website of the store's current league into `outputFolder`: the league's leader
// settings, today's date and the local time zone, then the files written as writeSite writes
// them. Both the program and pny publish call this, so they give the same bytes. Returns false
// with a message naming the file or folder; `fileCount` is the number of files of the site.
bool publishLeague(const Store& store, const QString& outputFolder, QString& error,
                   int* fileCount = nullptr);

}  // namespace pny
