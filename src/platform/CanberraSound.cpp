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

// libcanberra, loaded by the first sound rather than linked: with its decoders (vorbis, ogg) and
// their helpers (tdb, ltdl) it would otherwise sit in every run, most of which play nothing. It
// stays loaded until the process ends.
struct Canberra {
    decltype(&::ca_context_create) create = nullptr;
    decltype(&::ca_context_change_props) changeProps = nullptr;
    decltype(&::ca_context_play) play = nullptr;
    decltype(&::ca_context_destroy) destroy = nullptr;
};

// Null when the library or one of its functions is missing.
const Canberra* canberra() {
    static const Canberra* const loaded = []() -> const Canberra* {
        void* handle = dlopen("libcanberra.so.0", RTLD_LAZY | RTLD_LOCAL | RTLD_NODELETE);
        if (!handle)
            return nullptr;
        static Canberra ca;
        ca.create = reinterpret_cast<decltype(ca.create)>(dlsym(handle, "ca_context_create"));
        ca.changeProps = reinterpret_cast<decltype(ca.changeProps)>(dlsym(handle, "ca_context_change_props"));
        ca.play = reinterpret_cast<decltype(ca.play)>(dlsym(handle, "ca_context_play"));
        ca.destroy = reinterpret_cast<decltype(ca.destroy)>(dlsym(handle, "ca_context_destroy"));
        return ca.create && ca.changeProps && ca.play && ca.destroy ? &ca : nullptr;
    }();
    return loaded;
}

} // namespace
#endif

CanberraSound::CanberraSound() {
    // One request at a time, in order: a second connection sound simply follows the first.
    m_pool.setMaxThreadCount(1);
    m_pool.setExpiryTimeout(2000);
    // Nothing is loaded here: the first request loads libcanberra and makes the context, on the worker.
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
        canberra()->destroy(m_context);
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

bool CanberraSound::haveContext() {
#ifdef MT_HAVE_CANBERRA
    if (m_context)
        return true;
    if (m_contextFailed)
        return false;
    const Canberra* ca = canberra();
    if (ca && ca->create(&m_context) == CA_SUCCESS) {
        ca->changeProps(m_context, CA_PROP_APPLICATION_NAME, "ModemTally", CA_PROP_APPLICATION_ID,
                        "modemtally", nullptr);
        return true;
    }
    m_context = nullptr;
    m_contextFailed = true;
#endif
    return false;
}

void CanberraSound::playEvent() {
#ifdef MT_HAVE_CANBERRA
    if (!haveContext()) {
        m_lastResult = CA_ERROR_STATE;
        return;
    }
    m_lastResult = pinningLoads([this] {
        return canberra()->play(m_context, 0, CA_PROP_EVENT_ID, standardEventId(), CA_PROP_EVENT_DESCRIPTION,
                                "Connected", nullptr);
    });
#else
    m_lastResult = -1;
#endif
}

void CanberraSound::play(const QByteArray& file) {
#ifdef MT_HAVE_CANBERRA
    if (!haveContext()) {
        m_lastResult = CA_ERROR_STATE;
        return;
    }
    const int r = pinningLoads([this, &file] {
        return canberra()->play(m_context, 0, CA_PROP_MEDIA_FILENAME, file.constData(),
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
