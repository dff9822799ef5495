#pragma once

#include "core/ProfileStore.h"

#include <QString>

// The settings model: every user setting, with its default. Yes/no values are the texts "true" and
// "false"; "variant" values are held as text (the number as decimal text when set from a number);
// 16-bit values are qint16. The file layout is in console/SettingsFile.
struct Settings {
    static QString defaultStartUrl() { return QStringLiteral("www.wikipedia.org"); }

    ProfileStore gProfiles;
    QString gDefaultProfile = QStringLiteral("None");
    QString gConnectDefault; // empty until read or chosen: neither "true" nor "false"
    QString gPromptPassword = QStringLiteral("false");
    QString gTrayOnConnect = QStringLiteral("true");
    QString gMinimizeOnConnect = QStringLiteral("false");
    QString gStayOnConnect = QStringLiteral("false");
    QString gAutoDial = QStringLiteral("false");
    QString gLaunchBrowser = QStringLiteral("false");
    QString gStartURL = defaultStartUrl();
    QString gRedialTillConnect = QStringLiteral("true");
    QString gRedialLimited = QStringLiteral("false");
    qint16 gRedialMax = 0;
    QString gReminderOn = QStringLiteral("false");
    qint16 gReminderInterval = 1;
    QString gReminderInMinutes = QStringLiteral("false");
    QString gReminderInHours = QStringLiteral("true");
    QString gDisplayTimer = QStringLiteral("false");
    QString gUnlimitedTime = QStringLiteral("false");
    QString gFreeHours = QStringLiteral("0");
    qint16 gFreeMinutes = 0;
    QString gWarnFreeTime = QStringLiteral("false");
    QString gCostPerHour = QStringLiteral("false");
    QString gCostPerMinute = QStringLiteral("false");
    QString gCostDollars = QStringLiteral("0");
    QString gCostCents = QStringLiteral("0");
    QString gShowCost = QStringLiteral("false");
    QString gWarnTimePC = QStringLiteral("false");
    QString gWarnTimePCHours = QStringLiteral("0");
    qint16 gWarnTimePCMinutes = 0;
    QString gWarnTimePM = QStringLiteral("false");
    QString gWarnTimePMHours = QStringLiteral("0");
    qint16 gWarnTimePMMinutes = 0;
    QString gWarnCostPC = QStringLiteral("false");
    QString gWarnCostPCDollars = QStringLiteral("0");
    qint16 gWarnCostPCCents = 0;
    QString gWarnCostPM = QStringLiteral("false");
    QString gWarnCostPMDollars = QStringLiteral("0");
    qint16 gWarnCostPMCents = 0;
    QString gKeepAlive = QStringLiteral("false");
    QString gPlaySound = QStringLiteral("false");
    QString gUseDefaultSound = QStringLiteral("true");
    QString gCustomSoundFile = QStringLiteral("none");

    // "true" from start-up until a settings file was read; "false" after a read and every save.
    QString gFirstRun = QStringLiteral("true");

    bool operator==(const Settings&) const = default;
};

// A "variant" number setting (hours, dollars) read as a whole number: the text trimmed and read as a
// number, rounded half to even; 0 when it does not read as one.
qint64 variantNumber(const QString& text);
