#include "common/exporttable.h"

#include "common/filedialogs.h"
#include "common/messages.h"
#include "store/datafiles.h"
#include "store/filecommit.h"
#include "store/store.h"
#include "views/icsexport.h"
#include "views/tableexport.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace {

// One format a table can be exported in: its filter in the dialog and its extensions, the first
// being the one a name without an extension gets. In the order of ExportFormat.
struct FormatInfo {
    QString filter;
    QStringList extensions;
};

const QList<FormatInfo>& formats() {
    static const QList<FormatInfo> list{
        {QStringLiteral("Comma-separated values (*.csv)"), {QStringLiteral("csv")}},
        {QStringLiteral("Tab-separated text (*.tsv *.txt)"),
         {QStringLiteral("tsv"), QStringLiteral("txt")}},
        {QStringLiteral("Web page (*.html *.htm)"),
         {QStringLiteral("html"), QStringLiteral("htm")}},
        {QStringLiteral("Calendar (*.ics)"), {QStringLiteral("ics")}},
    };
    return list;
}

// The folder of the last export in this run.
QString& lastFolder() {
    static QString folder;
    return folder;
}

// The index of the format whose extensions include `suffix`, or -1.
int formatOfSuffix(const QString& suffix, int count) {
    for (int i = 0; i < count; ++i) {
        if (formats().at(i).extensions.contains(suffix.toLower()))
            return i;
    }
    return -1;
}

// A table's name made fit for a file name: no folder separators, no colons.
QString fileNameOf(const QString& name) {
    QString text = name.simplified();
    for (const QChar bad : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':')})
        text.replace(bad, QLatin1Char('-'));
    return text.isEmpty() ? QStringLiteral("Pennantry") : text;
}

}  // namespace

void saveExport(QWidget* parent, const QString& caption, const QString& fileName, bool calendar,
                const std::function<QByteArray(ExportFormat)>& render) {
    const int count = calendar ? int(ExportFormat::Ics) + 1 : int(ExportFormat::Html) + 1;
    QStringList filters;
    for (int i = 0; i < count; ++i)
        filters << formats().at(i).filter;
    const QString folder = lastFolder().isEmpty() ? FileDialogs::documentsFolder() : lastFolder();
    QString filter = formats().at(0).filter;
    const QString suggested = QDir(folder).filePath(fileNameOf(fileName) + QStringLiteral(".csv"));
    QString name = FileDialogs::saveFileName(parent, caption, suggested,
                                             filters.join(QStringLiteral(";;")), &filter);
    if (name.isEmpty())
        return;

    // The format: by the name's extension, else by the filter, whose extension the name gets.
    int format = formatOfSuffix(QFileInfo(name).suffix(), count);
    if (format < 0) {
        format = std::max(0, static_cast<int>(filters.indexOf(filter)));
        name += QLatin1Char('.') + formats().at(format).extensions.first();
    }
    const QString shown = QDir::toNativeSeparators(QFileInfo(name).absoluteFilePath());
    QString error = pny::refuseOutputPath(name);
    if (error.isEmpty())
        pny::writeFileAtomically(name, render(static_cast<ExportFormat>(format)), error);
    if (!error.isEmpty()) {
        Messages::error(parent, error);
        return;
    }
    lastFolder() = QFileInfo(name).absolutePath();
    Messages::information(parent, QStringLiteral("The table was saved in:\n") + shown);
}

void exportTable(QWidget* parent, const pny::Store& store, const pny::ViewGrid& grid, bool schedule,
                 const QString& fileName) {
    saveExport(parent, QStringLiteral("Export Table"), fileName, schedule,
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
