#include "platform/PingEcho.h"

#include <QSocketNotifier>
#include <QTimer>
#include <QUrl>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kHeaderSize = 8; // type, code, checksum, identifier, sequence

// Opens an ICMP socket: a ping socket first, a raw one where ping sockets are not allowed.
int openIcmpSocket(bool* raw) {
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_ICMP);
    *raw = false;
    if (fd < 0) {
        fd = ::socket(AF_INET, SOCK_RAW | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_ICMP);
        *raw = true;
    }
    return fd;
}

quint16 internetChecksum(const QByteArray& data) {
    quint32 sum = 0;
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    qsizetype n = data.size();
    for (; n > 1; p += 2, n -= 2)
        sum += quint32(p[0]) << 8 | p[1];
    if (n == 1)
        sum += quint32(p[0]) << 8;
    while (sum >> 16)
        sum = (sum & 0xffff) + (sum >> 16);
    return quint16(~sum);
}

// The first IPv4 address of a host name or dotted address (network byte order), or 0. Blocks for as
// long as the resolver takes.
quint32 resolveIpv4(const QByteArray& host) {
    if (host.isEmpty())
        return 0;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.constData(), nullptr, &hints, &found) != 0)
        return 0;
    quint32 address = 0;
    for (const addrinfo* a = found; a && !address; a = a->ai_next) {
        if (a->ai_family == AF_INET && a->ai_addr)
            address = reinterpret_cast<const sockaddr_in*>(a->ai_addr)->sin_addr.s_addr;
    }
    ::freeaddrinfo(found);
    return address;
}

} // namespace

// What a lookup thread shares with its PingEcho: the object to hand the answer to, cleared (under the
// lock) when the object goes away, so a lookup that outlives it drops its answer.
struct PingEcho::Lookup {
    std::mutex lock;
    PingEcho* owner = nullptr;
};

QByteArray PingEcho::payload() {
    return QByteArrayLiteral("abcdefghijklmnopqrstuvwabcdefghi");
}

PingEcho::PingEcho(QObject* parent) : IcmpEcho(parent), m_timeout(new QTimer(this)) {
    m_timeout->setSingleShot(true);
    m_timeout->setTimerType(Qt::PreciseTimer); // a coarse timer may give up to 5% early
    m_timeout->setInterval(kTimeoutMs);
    connect(m_timeout, &QTimer::timeout, this, [this] { echoDone(false); });
    m_id = quint16(::getpid());
}

PingEcho::~PingEcho() {
    if (m_lookup) {
        const std::lock_guard<std::mutex> hold(m_lookup->lock);
        m_lookup->owner = nullptr;
    }
    closeSocket();
}

QString PingEcho::destination() const {
    if (!m_destination)
        return {};
    char text[INET_ADDRSTRLEN] = {};
    in_addr a{};
    a.s_addr = m_destination;
    return QString::fromLatin1(::inet_ntop(AF_INET, &a, text, sizeof text));
}

bool PingEcho::canOpenSocket() {
    bool raw = false;
    const int fd = openIcmpSocket(&raw);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

void PingEcho::startBurst(const QString& hostName) {
    if (m_running)
        return;
    m_running = true;
    m_sent = 0;
    m_replies = 0;
    // An international name is looked up in its ASCII form; a name that has none fails.
    const QByteArray host = QUrl::toAce(m_hostOverride.isEmpty() ? hostName : m_hostOverride);
    if (host.isEmpty()) {
        // Nothing to look up: the answer still comes once pending events have run, as any answer does.
        QTimer::singleShot(0, this, [this] { resolved(0); });
        return;
    }
    // A lookup can take as long as the resolver's timeouts: it runs on a thread of its own, which ends
    // with it, and hands the answer back through this object's event queue.
    auto lookup = std::make_shared<Lookup>();
    lookup->owner = this;
    if (m_lookup) {
        const std::lock_guard<std::mutex> hold(m_lookup->lock);
        m_lookup->owner = nullptr;
    }
    m_lookup = lookup;
    std::thread([lookup, host] {
        const quint32 address = resolveIpv4(host);
        const std::lock_guard<std::mutex> hold(lookup->lock);
        if (PingEcho* owner = lookup->owner) {
            QMetaObject::invokeMethod(
                owner,
                [owner, lookup, address] {
                    if (owner->m_lookup == lookup) {
                        owner->m_lookup.reset();
                        owner->resolved(address);
                    }
                },
                Qt::QueuedConnection);
        }
    }).detach();
}

void PingEcho::resolved(quint32 address) {
    if (address)
        m_destination = address;
    // No address yet (never resolved), or no socket: the burst ends quietly with nothing sent.
    if (!m_destination) {
        finish();
        return;
    }
    m_fd = openIcmpSocket(&m_raw);
    if (m_fd < 0) {
        finish();
        return;
    }
    const int ttl = kTtl;
    ::setsockopt(m_fd, IPPROTO_IP, IP_TTL, &ttl, sizeof ttl);
    m_notifier = new QSocketNotifier(qintptr(m_fd), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { readReplies(); });
    sendNext();
}

void PingEcho::sendNext() {
    if (m_sent >= kEchoes) {
        finish();
        return;
    }
    ++m_sent;
    ++m_seq;
    QByteArray packet(kHeaderSize, '\0');
    packet[0] = char(ICMP_ECHO);
    packet[1] = 0;
    packet[4] = char(m_id >> 8);
    packet[5] = char(m_id & 0xff);
    packet[6] = char(m_seq >> 8);
    packet[7] = char(m_seq & 0xff);
    packet += payload();
    const quint16 sum = internetChecksum(packet);
    packet[2] = char(sum >> 8);
    packet[3] = char(sum & 0xff);

    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = m_destination;
    const ssize_t n = ::sendto(m_fd, packet.constData(), size_t(packet.size()), 0,
                               reinterpret_cast<const sockaddr*>(&to), sizeof to);
    m_waiting = true;
    if (n < 0) {
        // Counted as an echo without a reply; the next one follows once pending events have run.
        m_waiting = false;
        QTimer::singleShot(0, this, [this] { echoDone(false); });
        return;
    }
    if (!m_raw) {
        // A ping socket puts its own identifier (its local "port") into every request.
        sockaddr_in local{};
        socklen_t len = sizeof local;
        if (::getsockname(m_fd, reinterpret_cast<sockaddr*>(&local), &len) == 0)
            m_id = ntohs(local.sin_port);
    }
    m_timeout->start();
}

void PingEcho::readReplies() {
    char buf[1500];
    for (;;) {
        const ssize_t n = ::recv(m_fd, buf, sizeof buf, 0);
        if (n < 0)
            return; // drained (EAGAIN) or an error: the timeout moves on
        const auto* p = reinterpret_cast<const uchar*>(buf);
        qsizetype len = n;
        if (m_raw) {
            // A raw socket sees the IP header, and every ICMP message of the host.
            if (len < 20)
                continue;
            const int ihl = (p[0] & 0x0f) * 4;
            if (len < ihl)
                continue;
            p += ihl;
            len -= ihl;
        }
        if (len < kHeaderSize || p[0] != ICMP_ECHOREPLY)
            continue;
        const quint16 id = quint16(p[4] << 8 | p[5]);
        const quint16 seq = quint16(p[6] << 8 | p[7]);
        if ((m_raw && id != m_id) || seq != m_seq || !m_waiting)
            continue;
        if (QByteArray::fromRawData(reinterpret_cast<const char*>(p + kHeaderSize), len - kHeaderSize) !=
            payload())
            continue;
        m_waiting = false;
        m_timeout->stop();
        // The next echo goes out after pending window events have run.
        QTimer::singleShot(0, this, [this] { echoDone(true); });
        return;
    }
}

void PingEcho::echoDone(bool replied) {
    if (!m_running)
        return;
    m_waiting = false;
    if (replied)
        ++m_replies;
    sendNext();
}

void PingEcho::finish() {
    m_timeout->stop();
    closeSocket();
    m_running = false;
    emit burstFinished(m_replies);
}

void PingEcho::closeSocket() {
    if (m_notifier) {
        m_notifier->setEnabled(false);
        delete m_notifier;
        m_notifier = nullptr;
    }
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}
