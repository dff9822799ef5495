// NetworkManager's values of any D-Bus type: the bytes make one to three values (numbers, texts, object
// paths, lists, maps, structures and variants nested in one another), which travel for real over a
// private peer-to-peer D-Bus connection, so that they arrive as Qt hands received values to the
// backend. Every reader of the NetworkManager backend then returns a value only when its type is the
// declared one, never hangs on one of another type, and what it returns holds what was sent.
#include "FuzzSupport.h"

#include "platform/ras/nm/NmArgs.h"
#include "platform/ras/nm/NmTypes.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusServer>
#include <QDBusSignature>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QDeadlineTimer>
#include <QDir>
#include <QLoggingCategory>

namespace {

// The fuzz bytes, read from the front; zeros when they run out.
class Bytes {
public:
    Bytes(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    uint8_t next() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    bool empty() const { return m_pos >= m_size; }
    QString text() {
        const int n = next() % 12;
        QByteArray b;
        for (int i = 0; i < n; ++i)
            b += char(next());
        return QString::fromUtf8(b);
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

QDBusObjectPath anyPath(Bytes& b) {
    static const char* const kPaths[] = {"/", "/org/freedesktop/NetworkManager/ActiveConnection/1",
                                         "/org/freedesktop/NetworkManager/Settings/7", "/a/b_c/D9"};
    return QDBusObjectPath(QLatin1String(kPaths[b.next() % 4]));
}

// One value of a type the bytes choose; nested up to `depth` levels.
QVariant anyValue(Bytes& b, int depth) {
    const int kinds = depth > 0 ? 22 : 14;
    const int n = b.next() % 5;
    switch (b.next() % kinds) {
    case 0:
        return QVariant::fromValue(uchar(b.next()));
    case 1:
        return QVariant::fromValue(bool(b.next() & 1));
    case 2:
        return QVariant::fromValue(short(b.next() << 8 | b.next()));
    case 3:
        return QVariant::fromValue(int(b.next() << 24 | b.next()));
    case 4:
        return QVariant::fromValue(uint(b.next() << 16 | b.next()));
    case 5:
        return QVariant::fromValue(qulonglong(b.next()) << 40);
    case 6:
        return QVariant::fromValue(double(b.next()) / 3.0);
    case 7:
        return b.text();
    case 8:
        return QVariant::fromValue(anyPath(b));
    case 9:
        return QVariant::fromValue(QDBusSignature(QStringLiteral("a{sv}")));
    case 10: {
        QList<uint> l;
        for (int i = 0; i < n; ++i)
            l << b.next();
        return QVariant::fromValue(l);
    }
    case 11: {
        QList<QDBusObjectPath> l;
        for (int i = 0; i < n; ++i)
            l << anyPath(b);
        return QVariant::fromValue(l);
    }
    case 12: {
        QStringList l;
        for (int i = 0; i < n; ++i)
            l << b.text();
        return l;
    }
    case 13: {
        QByteArray a;
        for (int i = 0; i < n; ++i)
            a += char(b.next());
        return a;
    }
    case 14:
        return QVariant::fromValue(QDBusVariant(anyValue(b, depth - 1)));
    case 15: {
        QVariantMap m;
        for (int i = 0; i < n; ++i)
            m.insert(b.text(), anyValue(b, depth - 1));
        return m;
    }
    case 16: {
        QVariantList l;
        for (int i = 0; i < n; ++i)
            l << QVariant::fromValue(QDBusVariant(anyValue(b, depth - 1)));
        return l;
    }
    case 17: {
        NmSettings s;
        for (int i = 0; i < n; ++i) {
            QVariantMap m;
            const int k = b.next() % 4;
            for (int j = 0; j < k; ++j)
                m.insert(b.text(), anyValue(b, depth - 1));
            s.insert(b.text(), m);
        }
        return QVariant::fromValue(s);
    }
    case 18: {
        NmStringMap s;
        for (int i = 0; i < n; ++i)
            s.insert(b.text(), b.text());
        return QVariant::fromValue(s);
    }
    case 19: { // a structure of values of any type
        QDBusArgument arg;
        arg.beginStructure();
        for (int i = 0; i < 1 + n; ++i)
            arg << QDBusVariant(anyValue(b, depth - 1));
        arg.endStructure();
        return QVariant::fromValue(arg);
    }
    case 20: { // a map with numbers for keys
        QDBusArgument arg;
        arg.beginMap(QMetaType::fromType<uint>(), QMetaType::fromType<QDBusVariant>());
        for (int i = 0; i < n; ++i) {
            arg.beginMapEntry();
            arg << uint(b.next()) << QDBusVariant(anyValue(b, depth - 1));
            arg.endMapEntry();
        }
        arg.endMap();
        return QVariant::fromValue(arg);
    }
    default: { // a list of lists of numbers
        QDBusArgument arg;
        arg.beginArray(QMetaType::fromType<QList<uint>>());
        for (int i = 0; i < n; ++i)
            arg << QList<uint>{b.next(), b.next()};
        arg.endArray();
        return QVariant::fromValue(arg);
    }
    }
}

// Receives the calls of the sending end and keeps the last one.
class Receiver final : public QDBusVirtualObject {
public:
    QDBusMessage last;
    bool received = false;
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        last = message;
        received = true;
        connection.send(message.createReply());
        return true;
    }
};

struct Link {
    QDBusServer* server = nullptr;
    Receiver* receiver = nullptr;
    bool ready = false;

    Link() {
        static int argc = 1;
        static char name[] = "fuzz";
        static char* argv[] = {name, nullptr};
        new QCoreApplication(argc, argv); // kept for the run (see FuzzSupport.h)
        // The readers say each fault once per reader object, and each input has a new one.
        QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false"));
        registerNmDBusTypes();
        receiver = new Receiver;
        server = new QDBusServer(QStringLiteral("unix:tmpdir=") + QDir::tempPath());
        if (!server->isConnected())
            fuzz::fail("no private D-Bus server");
        QObject::connect(server, &QDBusServer::newConnection, server, [this](const QDBusConnection& c) {
            QDBusConnection(c).registerVirtualObject(QStringLiteral("/fuzz"), receiver);
            ready = true;
        });
        sender = QDBusConnection::connectToPeer(server->address(), QStringLiteral("fuzz-sender"));
        const QDeadlineTimer deadline(10000);
        while (!ready && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        if (!ready || !sender.isConnected())
            fuzz::fail("the private D-Bus connection did not come up");
    }
    QDBusConnection sender{QString()};
};

// Every reader on one received value: it answers exactly when the type is its own, and a map's values
// are read the same way in turn.
void readAll(NmArgs& args, const QVariant& value, int depth) {
    const QString sig = dbusSignatureOf(value);
    fuzz::require(!sig.isEmpty(), "a received value without a D-Bus type");
    fuzz::require(args.uint32(value, "fuzz").has_value() == (sig == QLatin1String("u")), "uint32 reader");
    fuzz::require(args.string(value, "fuzz").has_value() == (sig == QLatin1String("s")), "string reader");
    fuzz::require(args.path(value, "fuzz").has_value() == (sig == QLatin1String("o")), "path reader");
    const std::optional<QStringList> paths = args.paths(value, "fuzz");
    fuzz::require(paths.has_value() == (sig == QLatin1String("ao")), "path list reader");
    if (paths)
        for (const QString& p : *paths)
            fuzz::require(p.startsWith(QLatin1Char('/')), "a path list with something else in it");
    const std::optional<QVariantMap> map = args.map(value, "fuzz");
    fuzz::require(map.has_value() == (sig == QLatin1String("a{sv}")), "map reader");
    if (map && depth < 6)
        for (const QVariant& v : *map)
            readAll(args, v, depth + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Link link;
    Bytes b(data, size);
    QList<QVariant> values;
    const int count = 1 + b.next() % 3;
    for (int i = 0; i < count; ++i)
        values << anyValue(b, 3);

    QDBusMessage call = QDBusMessage::createMethodCall(
        QString(), QStringLiteral("/fuzz"), QStringLiteral("org.modemtally.Fuzz"), QStringLiteral("Take"));
    call.setArguments(values);
    link.receiver->received = false;
    if (!link.sender.send(call))
        return 0; // a value Qt does not send (none of the peer's business)
    const QDeadlineTimer deadline(5000);
    while (!link.receiver->received && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    fuzz::require(link.receiver->received, "a call that was sent did not arrive");

    NmArgs args(QStringLiteral("fuzz"));
    const QDBusMessage& got = link.receiver->last;
    fuzz::require(got.arguments().size() == values.size(), "arguments lost on the way");
    for (const QVariant& v : got.arguments())
        readAll(args, v, 0);
    // The message-level check agrees with the types one by one.
    const QString first = dbusSignatureOf(got.arguments().constFirst());
    for (const QStringView wanted : {u"u", u"o", u"ao", u"a{sv}", u"s"})
        fuzz::require(args.arguments(got, {wanted}, "fuzz").has_value() == (first == wanted),
                      "the message check disagrees");
    fuzz::require(!args.arguments(got, {u"u", u"u", u"u", u"u"}, "fuzz") || got.arguments().size() >= 4,
                  "more arguments checked than there are");
    return 0;
}
