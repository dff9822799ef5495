#include "platform/ras/nm/NmReasons.h"

namespace NmReasons {

QString activeReasonWords(uint reason) {
    switch (reason) {
    case 2:
        return QStringLiteral("disconnected by the user");
    case 3:
        return QStringLiteral("the device was disconnected");
    case 4:
        return QStringLiteral("the VPN service stopped");
    case 5:
        return QStringLiteral("the network address settings are not valid");
    case 6:
        return QStringLiteral("timeout while connecting");
    case 7:
        return QStringLiteral("timeout while starting the VPN service");
    case 8:
        return QStringLiteral("the VPN service could not start");
    case 9:
        return QStringLiteral("no user name or password was given");
    case 10:
        return QStringLiteral("login failed: user name or password rejected");
    case 11:
        return QStringLiteral("the connection profile was removed");
    case 12:
        return QStringLiteral("a connection it depends on failed");
    case 13:
        return QStringLiteral("the software device could not be created");
    case 14:
        return QStringLiteral("the device was removed");
    default: // 0 unknown, 1 none, and reasons this version does not know
        return {};
    }
}

QString deviceReasonWords(uint reason) {
    switch (reason) {
    case 4:
        return QStringLiteral("the device could not be configured");
    case 5:
        return QStringLiteral("no network address could be obtained");
    case 6:
        return QStringLiteral("the network address expired");
    case 7:
        return QStringLiteral("no user name or password was given");
    case 8:
        return QStringLiteral("the supplicant was disconnected");
    case 9:
        return QStringLiteral("the supplicant could not be configured");
    case 10:
        return QStringLiteral("the supplicant failed");
    case 11:
        return QStringLiteral("timeout while authenticating");
    case 12:
        return QStringLiteral("the PPP service could not start");
    case 13:
        return QStringLiteral("the PPP link was disconnected");
    case 14:
        return QStringLiteral("the PPP link failed");
    case 15:
        return QStringLiteral("the DHCP client could not start");
    case 16:
        return QStringLiteral("the DHCP client failed");
    case 17:
        return QStringLiteral("the DHCP client failed");
    case 22:
        return QStringLiteral("the modem connection failed");
    case 23:
        return QStringLiteral("the line is busy");
    case 24:
        return QStringLiteral("no dial tone");
    case 25:
        return QStringLiteral("no carrier");
    case 26:
        return QStringLiteral("timeout while the modem was dialing");
    case 27:
        return QStringLiteral("the modem could not dial");
    case 28:
        return QStringLiteral("the modem could not be initialised");
    case 29:
        return QStringLiteral("the access point name (APN) could not be selected");
    case 30:
        return QStringLiteral("not searching for a mobile network");
    case 31:
        return QStringLiteral("registration with the mobile network was denied");
    case 32:
        return QStringLiteral("timeout while registering with the mobile network");
    case 33:
        return QStringLiteral("registration with the mobile network failed");
    case 34:
        return QStringLiteral("the SIM PIN check failed");
    case 35:
        return QStringLiteral("the device needs firmware");
    case 36:
        return QStringLiteral("the device was removed");
    case 38:
        return QStringLiteral("the cable was unplugged (no carrier)");
    case 40:
        return QStringLiteral("the modem was not found");
    case 41:
        return QStringLiteral("the Bluetooth connection failed");
    case 42:
        return QStringLiteral("no SIM card in the modem");
    case 43:
        return QStringLiteral("the SIM PIN is required");
    case 44:
        return QStringLiteral("the SIM PUK is required");
    case 45:
        return QStringLiteral("the SIM card is wrong");
    case 48:
        return QStringLiteral("a connection it depends on failed");
    case 50:
        return QStringLiteral("the modem was lost");
    case 51:
        return QStringLiteral("the network was not found");
    case 53:
        return QStringLiteral("the modem is not available");
    case 57:
        return QStringLiteral("the Wi-Fi network was not found");
    case 59:
        return QStringLiteral("the IP address is already in use");
    case 60:
        return QStringLiteral("the IP configuration could not be applied");
    default:
        // 0 unknown, 1 none, 2 now managed, 3 now unmanaged, 37 connection assumed, 39 user
        // requested, 49 carrier changed while connecting... say nothing beyond the active
        // connection's own reason.
        return {};
    }
}

QString activationErrorWords(const QString& errorName, const QString& message) {
    static const QLatin1String nm("org.freedesktop.NetworkManager.");
    if (errorName == nm + QLatin1String("UnknownDevice"))
        return QStringLiteral("no device can carry this connection (is the modem plugged in?)");
    if (errorName == nm + QLatin1String("UnknownConnection"))
        return QStringLiteral("the connection profile no longer exists");
    if (errorName == nm + QLatin1String("ConnectionNotAvailable"))
        return QStringLiteral("the connection is not available now");
    if (errorName == nm + QLatin1String("PermissionDenied"))
        return QStringLiteral("permission denied");
    if (errorName == nm + QLatin1String("ConnectionAlreadyActive"))
        return QStringLiteral("the connection is already active");
    if (errorName == nm + QLatin1String("DependencyFailed"))
        return QStringLiteral("a connection it depends on failed");
    if (errorName == QLatin1String("org.freedesktop.DBus.Error.NoReply") ||
        errorName == QLatin1String("org.freedesktop.DBus.Error.Timeout"))
        return QStringLiteral("NetworkManager did not answer");
    if (errorName == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        errorName == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner") ||
        errorName == QLatin1String("org.freedesktop.DBus.Error.Disconnected"))
        return QStringLiteral("NetworkManager is not running");
    return message.isEmpty() ? QStringLiteral("NetworkManager refused the connection") : message;
}

QString failureTextWords(const QString& words) {
    return QStringLiteral("Dial failed: ") + words;
}

QString failureText(uint activeReason, uint deviceReason, bool loginRejected) {
    if (loginRejected)
        return failureTextWords(activeReasonWords(10));
    QString words = deviceReasonWords(deviceReason);
    if (words.isEmpty())
        words = activeReasonWords(activeReason);
    if (words.isEmpty())
        words = QStringLiteral("unknown reason");
    return failureTextWords(words);
}

QString deviceProgressText(uint newState) {
    switch (newState) {
    case DevPrepare:
        return QStringLiteral("Opening the device...");
    case DevConfig:
        return QStringLiteral("Connecting the device...");
    case DevNeedAuth:
        return validationText();
    case DevIpConfig:
        return QStringLiteral("Getting a network address...");
    case DevIpCheck:
        return QStringLiteral("Checking the network address...");
    default:
        return {};
    }
}

QString dialingText(const QString& entryName) {
    return QStringLiteral("Dialing %1...").arg(entryName);
}

QString validationText() {
    return QStringLiteral("Validation attempt...");
}

QString connectedText() {
    return QStringLiteral("Connected");
}

} // namespace NmReasons
