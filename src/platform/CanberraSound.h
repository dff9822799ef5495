#pragma once

#include "platform/Sound.h"

#include <QThreadPool>

#include <atomic>

struct ca_context;

// The sound seam on libcanberra. Every request is handed to a worker thread of its own pool, so
// neither opening the sound device nor decoding a file ever holds up the user-interface thread;
// libcanberra itself plays asynchronously. libcanberra is loaded, and its context made, by the first
// request, on the worker: a run that plays nothing never maps it. The program keeps one for its whole
// run (one libcanberra context); destroying it drops the requests not started and stops the sounds
// still playing.
class CanberraSound final : public Sound {
public:
    CanberraSound();
    ~CanberraSound() override;
    CanberraSound(const CanberraSound&) = delete;
    CanberraSound& operator=(const CanberraSound&) = delete;

    // The freedesktop theme event "network-connectivity-established".
    void playStandard() override;
    // The file as given (CA_PROP_MEDIA_FILENAME); a missing or unplayable file plays the theme event.
    void playFile(const QString& path) override;

    static const char* standardEventId() { return "network-connectivity-established"; }

    // Waits until every request handed over so far has been passed to libcanberra (for tests and for
    // an orderly exit). Returns the libcanberra result of the last request (0 is success).
    int waitForRequests();

private:
    // On the worker: loads libcanberra and makes the context the first time; false when either failed.
    bool haveContext();
    void playEvent();
    void play(const QByteArray& file);

    ca_context* m_context = nullptr; // touched by the worker only, and by the destructor once it is idle
    bool m_contextFailed = false;
    QThreadPool m_pool;
    std::atomic<int> m_lastResult{0};
};
