// Reading money texts (tariffs and limits typed by the user or read from the settings file).
#include "core/Money.h"

#include <QLocale>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    bool ok = false;
    const Money m = Money::fromText(text, &ok);
    const QString back = m.toText();
    // Whatever was read prints as a plain decimal that reads back as the same amount.
    if (Money::fromText(back).units() != m.units())
        __builtin_trap();
    if (m.units() < (qint64(1) << 40) && m.units() > -(qint64(1) << 40))
        (void)m.dividedBy(3600).times(36000);
    // The same text as a tariff's dollars and cents, split at its first '|', read in a comma locale.
    static const QLocale comma(QLocale::German, QLocale::Germany);
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    const Money tariff = Money::fromDollarsCents(bar < 0 ? text : text.left(bar),
                                                 bar < 0 ? QString() : text.mid(bar + 1), comma);
    if (Money::fromText(tariff.toText()).units() != tariff.units())
        __builtin_trap();
    return 0;
}
