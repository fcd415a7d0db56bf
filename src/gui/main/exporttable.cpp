#include "main/exporttable.h"

#include "common/filedialogs.h"
#include "common/messages.h"
#include "store/store.h"
#include "store/filecommit.h"
#include "views/icsexport.h"
#include "views/tableexport.h"

#include <QFileInfo>

void exportTable(QWidget* parent, const pny::Store& store, const pny::ViewGrid& grid,
                 bool schedule) {
    const QString csv = QStringLiteral("Comma-separated values (*.csv)");
    const QString tsv = QStringLiteral("Tab-separated text (*.tsv *.txt)");
    const QString html = QStringLiteral("Web page (*.html *.htm)");
    const QString ics = QStringLiteral("Calendar (*.ics)");
    QString filters = csv + ";;" + tsv + ";;" + html;
    if (schedule)
        filters += ";;" + ics;
    QString filter = csv;
    const QString name = FileDialogs::saveFileName(parent, QStringLiteral("Export Table"),
                                                   store.dataFolder(), filters, &filter);
    if (name.isEmpty())
        return;
    const QString suffix = QFileInfo(name).suffix().toLower();
    const auto chosen = [&](const QStringList& suffixes, const QString& byFilter) {
        return suffixes.contains(suffix) || (suffix.isEmpty() && filter == byFilter);
    };
    QByteArray bytes;
    if (schedule && chosen({"ics"}, ics)) {
        bytes = pny::exportIcs(store, grid);
    } else if (chosen({"html", "htm"}, html)) {
        bytes = pny::exportHtml(grid).toUtf8();
    } else if (chosen({"tsv", "txt"}, tsv)) {
        bytes = pny::exportTsv(grid).toUtf8();
    } else {
        bytes = pny::exportCsv(grid).toUtf8();
    }
    QString error;
    if (!pny::writeFileAtomically(name, bytes, error))
        Messages::error(parent, error);
}
