#pragma once

#include <QString>
#include <QStringList>

namespace pny {

// What the desktop program was started with: pennantry [FOLDER] [FILE.PZS].
struct StartArguments {
    QString folder;      // the data folder named, empty for the usual one
    QString importFile;  // a statistics file of the older program to offer to import
    bool help = false;
    bool version = false;
    QString error;  // what is wrong with the command line, empty when nothing is
};

// Reads the arguments after the program name. A folder names the data folder, a file is offered
// for import (a file manager passes the file a user opened).
StartArguments readStartArguments(const QStringList& arguments);

// The text of pennantry --help; the manual page is made from it.
QString startUsage();

}  // namespace pny
