#include "monitor/ConnectActions.h"

#include "core/Program.h"

namespace ConnectActions {
void PlayConnectSound(Program&) {}
void LaunchBrowser(Program&) {}
void KeepAliveBurst(Program&) {}
} // namespace ConnectActions
