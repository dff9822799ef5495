// Reading money texts (tariffs and limits typed by the user or read from the settings file).
#include "core/Money.h"

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
    return 0;
}
