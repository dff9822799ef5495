#include "platform/PingEcho.h"

#include <QSignalSpy>
#include <QTest>

#include <cerrno>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// An echo request seen on the loopback interface.
struct SeenRequest {
    int ttl;
    QByteArray data;
};

// Watches every ICMP message this host receives (a raw socket: needs privileges). Loopback delivers
// our own requests to it too, with the IP header as sent.
class Sniffer {
public:
    Sniffer() { m_fd = ::socket(AF_INET, SOCK_RAW | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_ICMP); }
    ~Sniffer() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool ok() const { return m_fd >= 0; }

    // Echo requests to 127.0.0.1 carrying the keep-alive data, read so far.
    QList<SeenRequest> requests() {
        QList<SeenRequest> seen;
        char buf[2048];
        for (;;) {
            const ssize_t n = ::recv(m_fd, buf, sizeof buf, 0);
            if (n < 0)
                break;
            const auto* p = reinterpret_cast<const uchar*>(buf);
            const int ihl = (p[0] & 0x0f) * 4;
            if (n < ihl + 8 || p[9] != IPPROTO_ICMP)
                continue;
            const quint32 dst = quint32(p[16]) << 24 | quint32(p[17]) << 16 | quint32(p[18]) << 8 | p[19];
            const uchar* icmp = p + ihl;
            if (icmp[0] != ICMP_ECHO || dst != 0x7f000001)
                continue;
            const QByteArray data(reinterpret_cast<const char*>(icmp + 8), int(n - ihl - 8));
            if (data != PingEcho::payload())
                continue; // someone else's ping
            seen.append({p[8], data});
        }
        return seen;
    }

private:
    int m_fd = -1;
};

} // namespace

class tst_icmp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!PingEcho::canOpenSocket())
            QSKIP("No ICMP socket can be opened here: ping sockets are off (net.ipv4.ping_group_range does "
                  "not include this user's group) and the process may not open raw sockets.");
    }

    void payload_is_the_fixed_32_bytes() {
        QCOMPARE(PingEcho::payload(), QByteArray("abcdefghijklmnopqrstuvwabcdefghi"));
        QCOMPARE(PingEcho::payload().size(), 32);
    }

    // A burst to the loopback address: five requests of the fixed data with TTL 255, all answered.
    void loopback_burst() {
        Sniffer sniffer;
        PingEcho echo;
        QSignalSpy finished(&echo, &IcmpEcho::burstFinished);
        echo.startBurst(QStringLiteral("127.0.0.1"));
        QVERIFY(echo.isRunning());
        echo.startBurst(QStringLiteral("127.0.0.1")); // a second burst never starts inside the first
        QVERIFY(finished.wait(5 * PingEcho::kTimeoutMs + 5000));
        QCOMPARE(finished.size(), 1);
        QVERIFY(!echo.isRunning());
        QCOMPARE(echo.lastSent(), 5);
        QCOMPARE(finished[0][0].toInt(), 5);

        if (!sniffer.ok())
            QSKIP("The requests on the wire (TTL, data) can only be watched with a raw socket, which needs "
                  "privileges this test run lacks; the five answered echoes were checked.");
        const QList<SeenRequest> seen = sniffer.requests();
        QCOMPARE(seen.size(), 5);
        for (const SeenRequest& r : seen) {
            QCOMPARE(r.ttl, 255);
            QCOMPARE(r.data, PingEcho::payload());
        }
    }

    // A name that does not resolve keeps the address of the last resolution that worked; before any,
    // the burst ends quietly without sending anything.
    void failed_resolution_keeps_the_last_address() {
        PingEcho echo;
        QSignalSpy finished(&echo, &IcmpEcho::burstFinished);
        echo.startBurst(QString());
        QVERIFY(finished.wait(5000));
        QCOMPARE(echo.lastSent(), 0);
        QCOMPARE(finished[0][0].toInt(), 0);

        echo.startBurst(QStringLiteral("127.0.0.1"));
        QVERIFY(finished.wait(5 * PingEcho::kTimeoutMs + 5000));
        echo.startBurst(QString());
        QVERIFY(finished.wait(5 * PingEcho::kTimeoutMs + 5000));
        QCOMPARE(finished.size(), 3);
        QCOMPARE(echo.destination(), QStringLiteral("127.0.0.1"));
        QCOMPARE(echo.lastSent(), 5);
        QCOMPARE(finished[2][0].toInt(), 5);
    }

    // The override wins over the fixed host, whether it is an address or a name to look up.
    void host_override_replaces_the_fixed_host_data() {
        QTest::addColumn<QString>("host");
        QTest::newRow("an address") << "127.0.0.1";
        QTest::newRow("a name") << "localhost";
    }
    void host_override_replaces_the_fixed_host() {
        QFETCH(QString, host);
        PingEcho echo;
        echo.setHostOverride(host);
        QSignalSpy finished(&echo, &IcmpEcho::burstFinished);
        echo.startBurst(QStringLiteral("name.invalid"));
        QVERIFY(finished.wait(5 * PingEcho::kTimeoutMs + 5000));
        QCOMPARE(echo.destination(), QStringLiteral("127.0.0.1"));
        QCOMPARE(finished[0][0].toInt(), 5);
    }

    // The lookup runs on a thread of its own: an echo destroyed while it runs is never called back,
    // and the lookups of many short-lived echoes all end quietly.
    void destroyed_while_looking_up() {
        for (int i = 0; i < 20; ++i) {
            auto echo = std::make_unique<PingEcho>();
            echo->startBurst(QStringLiteral("localhost"));
            echo.reset();
        }
        PingEcho last;
        QSignalSpy finished(&last, &IcmpEcho::burstFinished);
        last.startBurst(QStringLiteral("localhost"));
        QVERIFY(finished.wait(5 * PingEcho::kTimeoutMs + 5000));
        QCOMPARE(finished.size(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_icmp)
#include "tst_icmp.moc"
