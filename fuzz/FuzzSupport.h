#pragma once
// What the fuzz targets share: an application object, a program object (the model, no window)
// whose message boxes are counted instead of shown, and a way to stop with a message when a property
// fails (libFuzzer then saves the input that broke it).

#include "core/Program.h"
#include "platform/MessageBoxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace fuzz {

[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

inline void require(bool condition, const char* what) {
    if (!condition)
        fail(what);
}

// Counts boxes and answers each with its first button.
class CountingBoxes final : public MessageBoxes {
public:
    int shown = 0;

protected:
    BoxAnswer ask(const Box& box) override {
        ++shown;
        switch (box.buttons) {
        case BoxButtons::Ok:
        case BoxButtons::OkCancel:
            return BoxAnswer::Ok;
        case BoxButtons::YesNo:
        case BoxButtons::YesNoCancel:
            return BoxAnswer::Yes;
        }
        return BoxAnswer::Ok;
    }
};

// One application for the whole run. It is never destroyed: libFuzzer leaves through exit(), and
// tearing the application down there races the static data of Qt's own libraries.
inline void ensureApplication() {
    static QCoreApplication* app = [] {
        static int argc = 1;
        static char name[] = "fuzz";
        static char* argv[] = {name, nullptr};
        return new QCoreApplication(argc, argv);
    }();
    (void)app;
}

// A scratch folder for the whole run.
inline const QString& scratchDir() {
    static QTemporaryDir dir;
    static const QString path = dir.isValid() ? dir.path() : QString();
    if (path.isEmpty())
        fail("no scratch folder");
    return path;
}

inline void writeFile(const QString& path, const char* data, size_t size) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail("cannot write the scratch file");
    if (f.write(data, qint64(size)) != qint64(size))
        fail("short write to the scratch file");
}

inline QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        fail("cannot read the scratch file back");
    return f.readAll();
}

// A fresh program in the scratch folder, with counted boxes.
struct FuzzProgram {
    CountingBoxes* boxes = nullptr;
    std::unique_ptr<Program> program;

    FuzzProgram() {
        ensureApplication();
        Seams seams;
        auto b = std::make_unique<CountingBoxes>();
        boxes = b.get();
        seams.boxes = std::move(b);
        program = std::make_unique<Program>(std::move(seams), scratchDir());
    }
};

} // namespace fuzz
