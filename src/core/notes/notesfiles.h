#pragma once

#include <QString>

#include <string>

namespace pny {

class Store;

// The name (before ".Notes") of the notes file of an item: the kind letter is the first
// character of the heading ("Y", "L", "T", "P", "F", "G", "U", in any letter case), the
// reference the item's index; the loaded name of the item's list comes first, so two players with
// one index in different teams have different files. Cut to 20 characters. Empty when the kind
// letter is unknown.
std::string notesBaseName(const Store& store, char kindLetter, const std::string& reference);

// The full path of that file in the data folder, or an empty text for an unknown kind.
QString notesPath(const Store& store, char kindLetter, const std::string& reference);

// The same names from the loaded names alone, for writers that work without a store (the import).
struct NotesNames {
    std::string leagues;  // loaded name of the leagues list ("Y2")
    std::string teams;    // of the teams list ("Y2L3")
    std::string players;  // of the players list ("Y2L3T4")
    std::string games;    // of the games list ("Y2L3")
};
std::string notesBaseName(const NotesNames& names, char kindLetter, const std::string& reference);

}  // namespace pny
