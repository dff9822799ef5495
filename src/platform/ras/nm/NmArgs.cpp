#include "platform/ras/nm/NmArgs.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QRegularExpression>

QString dbusSignatureOf(const QVariant& value) {
    const QMetaType type = value.metaType();
    if (type == QMetaType::fromType<QDBusArgument>())
        return value.value<QDBusArgument>().currentSignature();
    if (!type.isValid())
        return {};
    const char* signature = QDBusMetaType::typeToSignature(type);
    return signature ? QString::fromLatin1(signature) : QString();
}

bool NmArgs::check(const QVariant& value, QStringView signature, QAnyStringView where) {
    const QString got = dbusSignatureOf(value);
    if (got == signature)
        return true;
    fault(where, signature, got);
    return false;
}

std::optional<QList<QVariant>> NmArgs::arguments(const QDBusMessage& message,
                                                 std::initializer_list<QStringView> signatures,
                                                 QAnyStringView where) {
    QList<QVariant> args = message.arguments();
    if (args.size() < qsizetype(signatures.size())) {
        QString expected;
        for (QStringView s : signatures)
            expected += s;
        fault(where, expected, message.signature());
        return std::nullopt;
    }
    qsizetype i = 0;
    for (QStringView s : signatures)
        if (!check(args.at(i++), s, where))
            return std::nullopt;
    return args;
}

void NmArgs::checkReplyError(const QDBusError& error, QStringView expected, QAnyStringView where) {
    if (error.type() != QDBusError::InvalidSignature)
        return;
    // Qt's text: Unexpected reply signature: got "au", expected "ao"
    static const QRegularExpression got(QStringLiteral("got \"([^\"]*)\""));
    const QRegularExpressionMatch m = got.match(error.message());
    fault(where, expected, m.hasMatch() ? m.captured(1) : error.message());
}

std::optional<uint> NmArgs::uint32(const QVariant& value, QAnyStringView where) {
    if (!check(value, u"u", where))
        return std::nullopt;
    return value.toUInt();
}

std::optional<quint64> NmArgs::uint64(const QVariant& value, QAnyStringView where) {
    if (!check(value, u"t", where))
        return std::nullopt;
    return value.toULongLong();
}

std::optional<QString> NmArgs::string(const QVariant& value, QAnyStringView where) {
    if (!check(value, u"s", where))
        return std::nullopt;
    return value.toString();
}

std::optional<QString> NmArgs::path(const QVariant& value, QAnyStringView where) {
    if (!check(value, u"o", where))
        return std::nullopt;
    return value.value<QDBusObjectPath>().path();
}

std::optional<QStringList> NmArgs::paths(const QVariant& value, QAnyStringView where) {
    if (!check(value, u"ao", where))
        return std::nullopt;
    QList<QDBusObjectPath> list;
    if (value.metaType() == QMetaType::fromType<QDBusArgument>())
        value.value<QDBusArgument>() >> list;
    else
        list = value.value<QList<QDBusObjectPath>>();
    QStringList out;
    out.reserve(list.size());
    for (const QDBusObjectPath& p : std::as_const(list))
        out << p.path();
    return out;
}

std::optional<QVariantMap> NmArgs::map(const QVariant& value, QAnyStringView where) {
    if (!check(value, u"a{sv}", where))
        return std::nullopt;
    if (value.metaType() == QMetaType::fromType<QDBusArgument>())
        return qdbus_cast<QVariantMap>(value.value<QDBusArgument>());
    return value.toMap();
}

void NmArgs::fault(QAnyStringView where, QStringView expected, const QString& got) {
    const QString place = where.toString();
    const QString kind = place + QLatin1Char('\n') + expected.toString() + QLatin1Char('\n') + got;
    if (m_logged.contains(kind))
        return;
    m_logged.insert(kind);
    const QString gotText =
        got.isEmpty() ? QStringLiteral("no value") : QStringLiteral("type \"%1\"").arg(got);
    qWarning("modemtally: %s sent %s where type \"%s\" belongs (%s); it is ignored, and this is said once",
             qPrintable(m_peer), qPrintable(gotText), qPrintable(expected.toString()), qPrintable(place));
}
