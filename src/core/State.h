#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The dial state shared by dialing, hang-up, enumeration and the session tick.
struct DialState {
    QString gDialedProfile;
    QString gDialing = QStringLiteral("false");
    QString gConnected = QStringLiteral("false");
    QString gUserHangup = QStringLiteral("false");
    QString gAdoptedConnection = QStringLiteral("false");
};

// The session clock, the session record and the monthly record.
struct SessionState {
    int gElapsedHours = 0;
    int gElapsedMinutes = 0;
    int gElapsedSeconds = 0;
    QDateTime gSessionStart;
    QDateTime gSessionEnd;
    qint32 gSessionSeconds = 0;
    QStringList gMonthDurations;
    qint32 gMonthSecondsBefore = 0;
    QString gWarnedTimePC = QStringLiteral("false");
    QString gWarnedTimePM = QStringLiteral("false");
    QString gWarnedCostPC = QStringLiteral("false");
    QString gWarnedCostPM = QStringLiteral("false");
    QString gWarnedFreeTime = QStringLiteral("false");

    int elapsedSeconds() const { return gElapsedHours * 3600 + gElapsedMinutes * 60 + gElapsedSeconds; }
    void resetClock() { gElapsedHours = gElapsedMinutes = gElapsedSeconds = 0; }
};

// Start-up, profile reconciliation and tray flags.
struct ProgramFlags {
    QString gCreatingProfile = QStringLiteral("false");
    qint16 gEntryCount = 0;
    qint16 entryEventIndex = 0;
    QString gExiting = QStringLiteral("false");
    // The tray icon's tip (at most 63 characters); "ModemTally" at start-up.
    QString gTrayTip = QStringLiteral("ModemTally");
};
