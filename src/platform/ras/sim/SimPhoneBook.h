#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The simulator's phone book: entries that each describe how a simulated line behaves when dialed.
// It is read from and written to a small INI file whose sections are the entries, in file order
// (docs/simulator.md describes the format).

// What one dial attempt of an entry does.
enum class SimOutcome { Connect, Busy, NoCarrier, NoDialTone, AuthFailure };

struct SimEntry {
    static constexpr int kDefaultStepMs = 500;
    static constexpr int kMaxStepMs = 600000;
    static constexpr int kMaxDropAfterSeconds = 1000000;
    static constexpr qint64 kMaxRateBytesPerSecond = 1000000000;

    QString name;
    QString number;
    // The outcome of the first, second... attempt; the last one repeats for every later attempt.
    QList<SimOutcome> outcomes{SimOutcome::Connect};
    // How long each progress step takes, in milliseconds; the last value repeats.
    QList<int> stepMs{kDefaultStepMs};
    // Seconds after which a connected line drops by itself; 0: never.
    int dropAfterSeconds = 0;
    // Bytes per second the connected line receives and sends (its interface's counters grow by
    // these, from the moment it came up); 0: no traffic.
    qint64 downloadRate = 0;
    qint64 uploadRate = 0;
    // Credentials the far end accepts; both empty: any credentials are accepted.
    QString userName;
    QString password;
    // Comment lines written in front of the entry's section when the file is rewritten.
    QStringList comments;

    // attempt counts from 1.
    SimOutcome outcomeOfAttempt(int attempt) const;
    // step counts from 0.
    int stepDurationMs(int step) const;
    bool acceptsCredentials(const QString& user, const QString& pass) const;
    // Equal behaviour and name (comments are not compared).
    bool sameAs(const SimEntry& other) const;
};

class SimPhoneBook {
public:
    QList<SimEntry> entries;
    QStringList trailingComments;

    // Index of the entry of that name (letter case ignored), or -1.
    int indexOf(const QString& name) const;

    // Reads the INI text; on error returns false with a message naming the source and line.
    static bool parse(const QString& text, const QString& sourceName, SimPhoneBook* book, QString* error);
    QString toText() const;
    static bool load(const QString& path, SimPhoneBook* book, QString* error);
    // Rewrites the file atomically: a failed write leaves the old file whole.
    bool save(const QString& path, QString* error) const;

    // The built-in sample phone book, one entry per behaviour (the same as samples/phonebook.ini).
    static QString sampleText();
    static SimPhoneBook sample();

    // Why this entry may not stand at position `self` (-1: a new entry) of the phone book, or empty.
    QString problemWith(const SimEntry& entry, int self) const;

    // Text forms shared by the file and the entry dialog.
    static QString outcomeName(SimOutcome outcome);
    static QString outcomesText(const QList<SimOutcome>& outcomes);
    static bool parseOutcomes(const QString& text, QList<SimOutcome>* outcomes, QString* error);
    static QString stepMsText(const QList<int>& stepMs);
    static bool parseStepMs(const QString& text, QList<int>* stepMs, QString* error);
    static bool parseDropAfter(const QString& text, int* seconds, QString* error);
    static bool parseRate(const QString& text, qint64* bytesPerSecond, QString* error);
};
