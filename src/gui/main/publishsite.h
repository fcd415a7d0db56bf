#pragma once

class QWidget;

namespace pny {
class Store;
}

// Publish League Website: asks for a folder and writes the current league's website into it,
// then says how many files went where, or why it could not.
void publishSite(QWidget* parent, const pny::Store& store);
