#include "TestProgram.h"

#include <QDir>
#include <QFile>

TestProgram::TestProgram(Seams seams) {
    auto b = std::make_unique<FakeMessageBoxes>();
    auto c = std::make_unique<FakeClock>();
    boxes = b.get();
    clock = c.get();
    seams.boxes = std::move(b);
    seams.clock = std::move(c);
    program = std::make_unique<Program>(std::move(seams), dir.path());
    windows = std::make_unique<Windows>(*program);
}

TestProgram::~TestProgram() {
    windows.reset(); // the windows watch the program: they go first
}

QString TestProgram::dataPath(const QString& name) const {
    return QDir(dir.path()).filePath(name);
}

void TestProgram::writeDataFile(const QString& name, const QStringList& lines) {
    QFile f(dataPath(name));
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(name));
    for (const QString& l : lines)
        f.write(l.toLatin1() + "\r\n");
}

QByteArray TestProgram::readDataFile(const QString& name) const {
    QFile f(dataPath(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}
