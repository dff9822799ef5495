#include "console/SettingsFile.h"

#include "core/Program.h"

namespace SettingsFile {
QString fileName() {
    return QStringLiteral("cc.txt");
}
bool write(Program&, QString*) {
    return false;
}
int read(Program&) {
    return 0;
}
void showInConsole(Program&) {}
} // namespace SettingsFile
