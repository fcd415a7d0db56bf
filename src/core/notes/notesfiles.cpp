#include "notes/notesfiles.h"

#include "store/linecodec.h"
#include "store/store.h"

#include <cctype>

namespace pny {

std::string notesBaseName(const NotesNames& names, char kindLetter, const std::string& reference) {
    const std::string ref = cutTo(reference, 5);
    const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(kindLetter)));
    std::string name;
    switch (kind) {
        case 'Y':
            name = "Y" + ref;
            break;
        case 'L':
            name = names.leagues + "L" + ref;
            break;
        case 'T':
            name = names.teams + "T" + ref;
            break;
        case 'P':
            name = names.players + "P" + ref;
            break;
        case 'F':
        case 'G':
        case 'U':
            name = names.games + kind + ref;
            break;
        default:
            return {};
    }
    return cutTo(name, 20);
}

std::string notesBaseName(const Store& store, char kindLetter, const std::string& reference) {
    const NotesNames names{store.loaded.leagues, store.loaded.teams, store.loaded.players,
                           store.loaded.games};
    return notesBaseName(names, kindLetter, reference);
}

QString notesPath(const Store& store, char kindLetter, const std::string& reference) {
    const std::string name = notesBaseName(store, kindLetter, reference);
    if (name.empty())
        return {};
    return store.pathOf(name, ".Notes");
}

}  // namespace pny
