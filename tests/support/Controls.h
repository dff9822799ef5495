#pragma once

#include <QObject>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

// A window's control found by its objectName, as a screen reader or another program would. A name
// that is not there ends the test at once with the name in the message: the window changed.
template <typename T = QWidget> T* ctl(const QObject& window, const char* name) {
    T* found = window.findChild<T*>(QLatin1String(name));
    if (!found) {
        std::fprintf(stderr, "%s has no control \"%s\" of the expected kind\n",
                     qPrintable(window.objectName()), name);
        std::abort();
    }
    return found;
}
