#include "main/exporttable.h"

#include "common/filedialogs.h"
#include "common/messages.h"
#include "store/datafiles.h"
#include "store/filecommit.h"
#include "store/store.h"
#include "views/icsexport.h"
#include "views/tableexport.h"

#include <QFileInfo>

void saveExport(QWidget* parent, const QString& caption, const QString& folder, bool calendar,
                const std::function<QByteArray(ExportFormat)>& render) {
    const QString csv = QStringLiteral("Comma-separated values (*.csv)");
    const QString tsv = QStringLiteral("Tab-separated text (*.tsv *.txt)");
    const QString html = QStringLiteral("Web page (*.html *.htm)");
    const QString ics = QStringLiteral("Calendar (*.ics)");
    QString filters = csv + ";;" + tsv + ";;" + html;
    if (calendar)
        filters += ";;" + ics;
    QString filter = csv;
    const QString name = FileDialogs::saveFileName(parent, caption, folder, filters, &filter);
    if (name.isEmpty())
        return;
    const QString suffix = QFileInfo(name).suffix().toLower();
    const auto chosen = [&](const QStringList& suffixes, const QString& byFilter) {
        return suffixes.contains(suffix) || (suffix.isEmpty() && filter == byFilter);
    };
    ExportFormat format = ExportFormat::Csv;
    if (calendar && chosen({"ics"}, ics)) {
        format = ExportFormat::Ics;
    } else if (chosen({"html", "htm"}, html)) {
        format = ExportFormat::Html;
    } else if (chosen({"tsv", "txt"}, tsv)) {
        format = ExportFormat::Tsv;
    }
    QString error = pny::refuseOutputPath(name);
    if (error.isEmpty())
        pny::writeFileAtomically(name, render(format), error);
    if (!error.isEmpty())
        Messages::error(parent, error);
}

void exportTable(QWidget* parent, const pny::Store& store, const pny::ViewGrid& grid,
                 bool schedule) {
    saveExport(parent, QStringLiteral("Export Table"), store.dataFolder(), schedule,
               [&](ExportFormat format) {
                   switch (format) {
                       case ExportFormat::Ics:
                           return pny::exportIcs(store, grid);
                       case ExportFormat::Html:
                           return pny::exportHtml(grid).toUtf8();
                       case ExportFormat::Tsv:
                           return pny::exportTsv(grid).toUtf8();
                       case ExportFormat::Csv:
                           break;
                   }
                   return pny::exportCsv(grid).toUtf8();
               });
}
