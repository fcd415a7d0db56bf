#include "main/exporttable.h"

#include "common/filedialogs.h"
#include "common/messages.h"
#include "store/store.h"
#include "views/icsexport.h"
#include "views/tableexport.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>

namespace {

// One format a table can be exported in: its filter in the dialog and its extensions, the first
// being the one a name without an extension gets.
struct ExportFormat {
    QString filter;
    QStringList extensions;
};

enum FormatIndex { Csv, Tsv, Html, Ics };

const QList<ExportFormat>& formats() {
    static const QList<ExportFormat> list{
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

void exportTable(QWidget* parent, const pny::Store& store, const pny::ViewGrid& grid, bool schedule,
                 const QString& fileName) {
    const int count = schedule ? Ics + 1 : Html + 1;
    QStringList filters;
    for (int i = 0; i < count; ++i)
        filters << formats().at(i).filter;
    const QString folder = lastFolder().isEmpty() ? FileDialogs::documentsFolder() : lastFolder();
    QString filter = formats().at(Csv).filter;
    const QString suggested = QDir(folder).filePath(fileNameOf(fileName) + QStringLiteral(".csv"));
    QString name = FileDialogs::saveFileName(parent, QStringLiteral("Export Table"), suggested,
                                             filters.join(QStringLiteral(";;")), &filter);
    if (name.isEmpty())
        return;

    // The format: by the name's extension, else by the filter, whose extension the name gets.
    int format = formatOfSuffix(QFileInfo(name).suffix(), count);
    if (format < 0) {
        format = std::max(0, static_cast<int>(filters.indexOf(filter)));
        name += QLatin1Char('.') + formats().at(format).extensions.first();
    }
    QByteArray bytes;
    switch (format) {
        case Ics:
            bytes = pny::exportIcs(store, grid);
            break;
        case Html:
            bytes = pny::exportHtml(grid).toUtf8();
            break;
        case Tsv:
            bytes = pny::exportTsv(grid).toUtf8();
            break;
        default:
            bytes = pny::exportCsv(grid).toUtf8();
            break;
    }
    const QString shown = QDir::toNativeSeparators(QFileInfo(name).absoluteFilePath());
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        Messages::error(parent,
                        QStringLiteral("Cannot write \"%1\": %2.").arg(shown, file.errorString()));
        return;
    }
    lastFolder() = QFileInfo(name).absolutePath();
    Messages::information(parent, QStringLiteral("The table was saved in:\n") + shown);
}
