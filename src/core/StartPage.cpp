#include "core/StartPage.h"

#include <QRegularExpression>

namespace StartPage {

namespace {

// "name:rest" where name has the form of a scheme.
const QRegularExpression& schemePrefix() {
    static const QRegularExpression re(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*):(.*)$"),
                                       QRegularExpression::DotMatchesEverythingOption);
    return re;
}

// What follows "host:" when it is a port: digits, then the end or the path, query or fragment.
const QRegularExpression& portThenRest() {
    static const QRegularExpression re(QStringLiteral("^[0-9]+(?:[/?#].*)?$"),
                                       QRegularExpression::DotMatchesEverythingOption);
    return re;
}

bool printableAscii(const QString& s) {
    for (QChar c : s)
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f)
            return false;
    return true;
}

} // namespace

std::optional<QUrl> urlToOpen(const QString& startPage) {
    const QString text = startPage.trimmed();
    if (text.isEmpty())
        return QUrl();
    if (text.startsWith(QLatin1Char('-')))
        return std::nullopt;

    QString address = text;
    const QRegularExpressionMatch m = schemePrefix().match(text);
    const bool hasScheme = m.hasMatch() && !portThenRest().match(m.captured(2)).hasMatch();
    if (!hasScheme)
        address = QStringLiteral("http://") + text;

    const QUrl url(address, QUrl::TolerantMode);
    if (!url.isValid())
        return std::nullopt;
    const QString scheme = url.scheme(); // QUrl keeps schemes in lower case
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
        if (url.host().isEmpty())
            return std::nullopt;
    } else if (scheme == QLatin1String("file")) {
        if (url.path().isEmpty())
            return std::nullopt;
    } else {
        return std::nullopt;
    }
    const QString encoded = url.toString(QUrl::FullyEncoded);
    if (!printableAscii(encoded) || !encoded.startsWith(scheme + QLatin1Char(':')))
        return std::nullopt;
    const QUrl out(encoded, QUrl::StrictMode);
    if (!out.isValid())
        return std::nullopt;
    return out;
}

} // namespace StartPage
