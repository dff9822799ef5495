#pragma once

#include "platform/IcmpEcho.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QSocketNotifier;
class QTimer;

// The keep-alive echo on Linux. One burst: resolve the host name (getaddrinfo on a thread of its own
// that ends with the lookup; a failed resolution keeps the address of the last one that worked), then
// five ICMP echo requests, each sent when the previous one was answered or timed out. Nothing blocks:
// the socket is watched by a QSocketNotifier and each timeout is a QTimer, so the windows stay
// responsive throughout. Nothing is ever reported to the user.
//
// The socket is an unprivileged ping socket (SOCK_DGRAM, IPPROTO_ICMP; allowed by
// net.ipv4.ping_group_range) or, where those are off and the process is privileged, a raw ICMP socket.
class PingEcho final : public IcmpEcho {
    Q_OBJECT
public:
    static constexpr int kEchoes = 5;
    static constexpr int kTimeoutMs = 2700;
    static constexpr int kTtl = 255;
    // The echo data: "abcdefghijklmnopqrstuvw" then "abcdefghi" (32 bytes).
    static QByteArray payload();

    explicit PingEcho(QObject* parent = nullptr);
    ~PingEcho() override;

    void startBurst(const QString& hostName) override;
    bool isRunning() const override { return m_running; }

    // Sends every burst to this host instead of the one asked for (empty: no override). Lets a test
    // or a demonstration run keep its traffic on this machine.
    void setHostOverride(const QString& host) { m_hostOverride = host; }
    // The IPv4 address the echoes go to, as dotted text (empty before the first successful resolution).
    QString destination() const;
    // Echo requests handed to the kernel in the last burst.
    int lastSent() const { return m_sent; }
    // Whether this process can open an ICMP socket of either kind.
    static bool canOpenSocket();

private:
    struct Lookup;
    // The lookup's answer, on this object's thread: the address in network byte order, or 0.
    void resolved(quint32 address);
    void sendNext();
    void readReplies();
    void echoDone(bool replied);
    void finish();
    void closeSocket();

    QString m_hostOverride;
    quint32 m_destination = 0; // network byte order; 0 before the first successful resolution
    std::shared_ptr<Lookup> m_lookup;
    bool m_running = false;
    int m_fd = -1;
    bool m_raw = false;
    quint16 m_id = 0;
    quint16 m_seq = 0;
    int m_sent = 0;
    int m_replies = 0;
    bool m_waiting = false;
    QSocketNotifier* m_notifier = nullptr;
    QTimer* m_timeout;
};
