#pragma once

class QString;
class TMainForm;

// A statistics file the program was started with (a file opened from the file manager): asks
// whether to import its seasons into the window's data folder (Yes is the default) and, on Yes,
// imports it as the Import PZS command does. Returns true when seasons were added.
bool offerImport(TMainForm& window, const QString& path);
