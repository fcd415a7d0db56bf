#include "testsupport.h"

#include <QFile>
#include <QLocale>
#include <QTest>

namespace testsupport {

void pinLocale() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        QFAIL(qPrintable("cannot write " + path));
    }
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString dataPath(const QString& name) {
    return QStringLiteral(PNY_TEST_DATA "/") + name;
}

}  // namespace testsupport
