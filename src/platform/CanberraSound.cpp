#include "platform/CanberraSound.h"

#include <QFile>
#include <QFileInfo>

#ifdef MT_HAVE_CANBERRA
#include <canberra.h>
#include <dlfcn.h>
#include <link.h>

#include <set>
#include <string>

namespace {

using ObjectSet = std::set<std::string>;

// The file names of the shared objects loaded in the process right now.
ObjectSet loadedObjects() {
    ObjectSet objects;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            if (info->dlpi_name && info->dlpi_name[0] == '/')
                static_cast<ObjectSet*>(data)->insert(info->dlpi_name);
            return 0;
        },
        &objects);
    return objects;
}

// Runs a libcanberra call and keeps every shared object it loaded (its output driver and the
// libraries that driver needs) in the process until the process ends.
//
// libcanberra plays each sound on a detached thread of its driver. Destroying a context stops those
// threads, but it returns as soon as they have signalled that they are done, while each is still
// running the last instructions of the driver's code; it then unloads the driver (and ALSA with it).
// A player thread still on its way out then runs into unmapped memory and the process dies. Pinned,
// the driver stays mapped and the thread leaves it normally.
template <typename Call> int pinningLoads(Call call) {
    const ObjectSet before = loadedObjects();
    const int result = call();
    for (const std::string& path : loadedObjects()) {
        // The handle is never closed on purpose: that reference and RTLD_NODELETE keep the object.
        if (!before.count(path))
            dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
    }
    return result;
}

} // namespace
#endif

CanberraSound::CanberraSound() {
    // One request at a time, in order: a second connection sound simply follows the first.
    m_pool.setMaxThreadCount(1);
    m_pool.setExpiryTimeout(2000);
#ifdef MT_HAVE_CANBERRA
    // Only the context is made here; its driver is loaded by the first request, on the worker.
    if (ca_context_create(&m_context) == CA_SUCCESS) {
        ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, "ModemTally", CA_PROP_APPLICATION_ID,
                                "modemtally", nullptr);
    } else {
        m_context = nullptr;
    }
#endif
}

CanberraSound::~CanberraSound() {
    // Requests not started yet are dropped (nobody is left to hear them); the one being handed to
    // libcanberra is waited for, which takes no longer than starting a sound.
    m_pool.clear();
    m_pool.waitForDone();
#ifdef MT_HAVE_CANBERRA
    // Stops whatever still plays: exit never waits for a sound to finish. The driver stays loaded
    // (see pinningLoads), so the player threads that are still winding down stay in mapped code.
    if (m_context)
        ca_context_destroy(m_context);
#endif
}

void CanberraSound::playStandard() {
    m_pool.start([this] { playEvent(); });
}

void CanberraSound::playFile(const QString& path) {
    const QByteArray file = QFileInfo(path).isFile() ? QFile::encodeName(path) : QByteArray();
    m_pool.start([this, file] {
        if (file.isEmpty())
            playEvent();
        else
            play(file);
    });
}

int CanberraSound::waitForRequests() {
    m_pool.waitForDone();
    return m_lastResult.load();
}

void CanberraSound::playEvent() {
#ifdef MT_HAVE_CANBERRA
    if (!m_context) {
        m_lastResult = CA_ERROR_STATE;
        return;
    }
    m_lastResult = pinningLoads([this] {
        return ca_context_play(m_context, 0, CA_PROP_EVENT_ID, standardEventId(), CA_PROP_EVENT_DESCRIPTION,
                               "Connected", nullptr);
    });
#else
    m_lastResult = -1;
#endif
}

void CanberraSound::play(const QByteArray& file) {
#ifdef MT_HAVE_CANBERRA
    if (!m_context) {
        m_lastResult = CA_ERROR_STATE;
        return;
    }
    const int r = pinningLoads([this, &file] {
        return ca_context_play(m_context, 0, CA_PROP_MEDIA_FILENAME, file.constData(),
                               CA_PROP_EVENT_DESCRIPTION, "Connected", nullptr);
    });
    // A file the sound system cannot read or decode: the theme's sound stands in, as for a missing one.
    if (r == CA_ERROR_NOTFOUND || r == CA_ERROR_CORRUPT || r == CA_ERROR_NOTSUPPORTED || r == CA_ERROR_IO ||
        r == CA_ERROR_ACCESS)
        playEvent();
    else
        m_lastResult = r;
#else
    Q_UNUSED(file);
    m_lastResult = -1;
#endif
}
