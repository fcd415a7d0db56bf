#include "cli.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    return pny::cli::run(QCoreApplication::arguments());
}
