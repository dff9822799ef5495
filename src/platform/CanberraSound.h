#pragma once

#include "platform/Sound.h"

#include <QThreadPool>

#include <atomic>

struct ca_context;

// The sound seam on libcanberra. Every request is handed to a worker thread of its own pool, so
// neither opening the sound device nor decoding a file ever holds up the user-interface thread;
// libcanberra itself plays asynchronously. The program keeps one for its whole run (one libcanberra
// context); destroying it drops the requests not started and stops the sounds still playing.
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
    void playEvent();
    void play(const QByteArray& file);

    ca_context* m_context = nullptr;
    QThreadPool m_pool;
    std::atomic<int> m_lastResult{0};
};
