#include "platform/PingEcho.h"

#include <QHostInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <sys/socket.h>
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

} // namespace

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
    closeSocket();
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
    const QString host = m_hostOverride.isEmpty() ? hostName : m_hostOverride;
    QHostInfo::lookupHost(host, this, &PingEcho::resolved);
}

void PingEcho::resolved(const QHostInfo& info) {
    if (info.error() == QHostInfo::NoError) {
        for (const QHostAddress& a : info.addresses()) {
            if (a.protocol() == QAbstractSocket::IPv4Protocol) {
                m_destination = a;
                break;
            }
        }
    }
    // No address yet (never resolved), or no socket: the burst ends quietly with nothing sent.
    if (m_destination.isNull()) {
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
    to.sin_addr.s_addr = htonl(m_destination.toIPv4Address());
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
