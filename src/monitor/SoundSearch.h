#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <climits>
#include <set>
#include <utility>
#include <vector>

// One directory as the sound chooser's lists show it: the subdirectories and the files, each in
// ascending name order (letter case ignored, exact text breaking ties). Links to directories are
// not listed as subdirectories, so nothing built on this can run round a link loop.
struct DirListing {
    bool ok = false; // false when the directory could not be read
    QStringList subdirectories;
    QStringList files;
};

// The drive search for wave files, as a plain object that works in slices so that the window stays
// responsive: the caller runs step() from its event loop until the search ends.
//
// Order: depth first from the starting directory; the subdirectories of a directory are visited from
// the last in name order to the first, and a directory's own files come after all of its
// subdirectories. Names match "*.wav" without regard to letter case. The search stays on the file
// system of the starting directory (one drive), does not follow links to directories, never enters a
// directory twice, and skips whatever cannot be read (a directory removed meanwhile, one without
// permission) and goes on.
class SoundSearch {
public:
    // How many paths the found list takes before the search gives up.
    static constexpr qsizetype kDefaultLimit = 1000000;

    enum class Outcome {
        Running,   // more to do: call step() again
        Finished,  // the whole drive was searched
        Cancelled, // cancel() ended it
        ListFull,  // the found list took `limit` paths and another one came
    };

    explicit SoundSearch(const QString& startDirectory, qsizetype limit = kDefaultLimit);
    ~SoundSearch();
    SoundSearch(const SoundSearch&) = delete;
    SoundSearch& operator=(const SoundSearch&) = delete;

    // Works until the search ends, or until it has entered maxDirectories more directories, or until
    // maxMilliseconds have passed (a negative value: no time limit). Returns the outcome so far.
    Outcome step(int maxDirectories = INT_MAX, qint64 maxMilliseconds = -1);
    Outcome runToEnd() { return step(); }
    // Ends the search at the next step; what was found so far stays.
    void cancel() { m_cancelled = true; }
    Outcome outcome() const { return m_outcome; }

    // The paths found since the last call, in search order.
    QStringList takeFound() { return std::exchange(m_found, QStringList()); }
    qsizetype foundCount() const { return m_foundTotal; }
    // Directories entered so far, and those skipped because they could not be read.
    qsizetype directoriesEntered() const { return m_entered; }
    qsizetype directoriesSkipped() const { return m_skipped; }

    // A file name the search takes ("*.wav", any letter case).
    static bool isWaveName(const QString& name);
    // A directory and a name joined by "/", the separator not doubled after the root "/".
    static QString joinPath(const QString& directory, const QString& name);
    // Lists one directory; with waveOnly only the files the search takes are listed.
    static DirListing list(const QString& directory, bool waveOnly);

private:
    struct Frame {
        QByteArray path;                   // in the file system's encoding
        std::vector<QByteArray> subdirs;   // ascending; visited from the back
        std::vector<QByteArray> waveFiles; // ascending
    };
    // Opens and reads a directory; false when it cannot be read or must not be entered.
    bool enter(const QByteArray& path);

    std::vector<Frame> m_stack;
    std::set<std::pair<unsigned long long, unsigned long long>> m_visited; // device, inode
    unsigned long long m_device = 0;
    bool m_started = false;
    bool m_cancelled = false;
    Outcome m_outcome = Outcome::Running;
    QByteArray m_start;
    qsizetype m_limit;
    qsizetype m_foundTotal = 0;
    qsizetype m_entered = 0;
    qsizetype m_skipped = 0;
    QStringList m_found;
};
