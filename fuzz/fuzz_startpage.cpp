// The start page as the address the browser is started on: any text is refused or gives an address
// of http, https (with a host) or file, complete and encoded, that never starts with "-", and that
// opens as itself again.
#include "FuzzSupport.h"

#include "core/StartPage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(bytes), qsizetype(size));
    const std::optional<QUrl> url = StartPage::urlToOpen(text);
    if (!url) {
        fuzz::require(!text.trimmed().isEmpty(), "an empty start page was refused");
        return 0;
    }
    const QString encoded = url->toString(QUrl::FullyEncoded);
    if (text.trimmed().isEmpty()) {
        fuzz::require(encoded.isEmpty(), "an empty start page opened a page");
        return 0;
    }
    fuzz::require(!text.trimmed().startsWith(QLatin1Char('-')), "a start page beginning with - was opened");
    fuzz::require(encoded.startsWith(QLatin1String("http://")) ||
                      encoded.startsWith(QLatin1String("https://")) ||
                      encoded.startsWith(QLatin1String("file:")),
                  "an address of another scheme");
    for (QChar c : encoded)
        fuzz::require(c.unicode() > 0x20 && c.unicode() < 0x7f, "an address with a blank or beyond ASCII");
    fuzz::require(url->scheme() == QLatin1String("file") || !url->host().isEmpty(),
                  "a web address without a host");
    const std::optional<QUrl> again = StartPage::urlToOpen(encoded);
    fuzz::require(again && again->toString(QUrl::FullyEncoded) == encoded,
                  "an opened address does not open as itself");
    return 0;
}
