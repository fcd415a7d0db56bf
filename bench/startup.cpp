// Start-up timer: how long from the program's start until a window's table is first painted.
//   bench_startup bare            a bare Qt window with a table of the same size and rows
//   bench_startup main FOLDER     Pennantry's main window on the data folder FOLDER
// Prints two times in milliseconds, from the start of the program and from the moment the
// application object is ready (the window's own share), and exits at once, without closing the
// window (nothing is saved).
#include "main/main.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTableWidget>
#include <QTextStream>
#include <QVBoxLayout>

#include <cstdlib>

namespace {

QElapsedTimer sinceStart;
qint64 applicationReady = 0;  // nanoseconds after the start

// Reports the time at the first paint of the table's cells, then ends the process.
class FirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            // Let the paint happen first.
            QMetaObject::invokeMethod(
                this,
                [] {
                    const qint64 now = sinceStart.nsecsElapsed();
                    QTextStream(stdout)
                        << now / 1e6 << ' ' << (now - applicationReady) / 1e6 << '\n'
                        << Qt::flush;
                    std::_Exit(0);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    sinceStart.start();
    QApplication app(argc, argv);
    applicationReady = sinceStart.nsecsElapsed();
    const QStringList arguments = QApplication::arguments();
    FirstPaint firstPaint;
    if (arguments.value(1) == QLatin1String("main") && arguments.size() > 2) {
        auto* window = new TMainForm(arguments.at(2));
        window->show();
        window->findChild<QTableWidget*>(QStringLiteral("Table"))
            ->viewport()
            ->installEventFilter(&firstPaint);
    } else if (arguments.value(1) == QLatin1String("bare")) {
        auto* window = new QWidget;
        auto* table = new QTableWidget(7, 8, window);
        for (int r = 0; r < table->rowCount(); ++r) {
            for (int c = 0; c < table->columnCount(); ++c)
                table->setItem(r, c, new QTableWidgetItem(QString::number(r * c)));
        }
        auto* layout = new QVBoxLayout(window);
        layout->addWidget(table);
        window->resize(760, 420);
        window->show();
        table->viewport()->installEventFilter(&firstPaint);
    } else {
        QTextStream(stderr) << "usage: bench_startup bare | main FOLDER\n";
        return 2;
    }
    return QApplication::exec();
}
