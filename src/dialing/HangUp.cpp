#include "dialing/HangUp.h"

#include "core/Program.h"

namespace HangUp {
void hangUp(Program&, HangupEntry) {}
void exitProgram(Program& program) {
    program.flags.gExiting = QStringLiteral("true");
    program.closeAllWindows();
}
} // namespace HangUp
