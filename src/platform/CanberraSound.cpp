#include "platform/CanberraSound.h"

#include <QFile>
#include <QFileInfo>

#ifdef MT_HAVE_CANBERRA
#include <canberra.h>
#endif

CanberraSound::CanberraSound() {
    // One request at a time, in order: a second connection sound simply follows the first.
    m_pool.setMaxThreadCount(1);
    m_pool.setExpiryTimeout(2000);
#ifdef MT_HAVE_CANBERRA
    if (ca_context_create(&m_context) == CA_SUCCESS) {
        ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, "ModemTally", CA_PROP_APPLICATION_ID,
                                "modemtally", nullptr);
    } else {
        m_context = nullptr;
    }
#endif
}

CanberraSound::~CanberraSound() {
    m_pool.waitForDone();
#ifdef MT_HAVE_CANBERRA
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
    m_lastResult = ca_context_play(m_context, 0, CA_PROP_EVENT_ID, standardEventId(),
                                   CA_PROP_EVENT_DESCRIPTION, "Connected", nullptr);
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
    const int r = ca_context_play(m_context, 0, CA_PROP_MEDIA_FILENAME, file.constData(),
                                  CA_PROP_EVENT_DESCRIPTION, "Connected", nullptr);
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
