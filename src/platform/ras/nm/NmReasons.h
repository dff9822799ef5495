#pragma once

#include <QString>

// Turns NetworkManager's numbers into the status texts of a dial. Pure functions, no D-Bus.
namespace NmReasons {

// Active-connection states (org.freedesktop.NetworkManager.Connection.Active State).
enum ActiveState : uint {
    AcUnknown = 0,
    AcActivating = 1,
    AcActivated = 2,
    AcDeactivating = 3,
    AcDeactivated = 4
};
// Device states that matter to a dial.
enum DeviceState : uint {
    DevUnavailable = 20,
    DevDisconnected = 30,
    DevPrepare = 40,
    DevConfig = 50,
    DevNeedAuth = 60,
    DevIpConfig = 70,
    DevIpCheck = 80,
    DevSecondaries = 90,
    DevActivated = 100,
    DevDeactivating = 110,
    DevFailed = 120,
};

// Words for an active connection's state reason, or an empty text for the reasons that say nothing
// about a failure (unknown, none).
QString activeReasonWords(uint reason);
// Words for a device's state reason, or an empty text for the reasons that say nothing specific
// (unknown, none, and the generic ones that merely follow another failure).
QString deviceReasonWords(uint reason);
// Words for an ActivateConnection that NetworkManager refused at once, from the D-Bus error name
// (and its message when the name is not one of NetworkManager's own).
QString activationErrorWords(const QString& errorName, const QString& message);

// The failure status of a dial: "Dial failed: <words>". The device's reason wins when it says
// something (it names the real cause: modem busy, no carrier, PPP failed...), then the active
// connection's, else "unknown reason". loginRejected: NetworkManager asked again for secrets that
// were already given, so the words are those of a failed login whatever the reasons say.
QString failureText(uint activeReason, uint deviceReason, bool loginRejected = false);
// A failure with words already chosen.
QString failureTextWords(const QString& words);

// The progress text for a device entering a state while dialing, or an empty text when that state
// is not worth a line. "Validation attempt..." for need-auth.
QString deviceProgressText(uint newState);

// The texts of the other steps.
QString dialingText(const QString& entryName);
QString validationText();
QString connectedText();

} // namespace NmReasons
