#pragma once

#include "store/store.h"

#include <QMessageBox>
#include <QStringList>

class QWidget;

// The questions the main window asks when its data cannot simply be written.
namespace savequestions {

// Files another program changed since they were read: write over them, read them again
// dropping the changes not yet saved, or save nothing now.
pny::Store::ConflictChoice askOnConflict(QWidget* parent, const QStringList& files);
// The data could not be saved on closing: Retry, Discard (close anyway) or Cancel (stay).
QMessageBox::StandardButton askAfterFailedSave(QWidget* parent, const QStringList& errors);

}  // namespace savequestions
