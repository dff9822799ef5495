#include "core/NumericField.h"

#include "core/Money.h"

#include <cmath>
#include <limits>

namespace NumericField {

std::optional<double> readNumber(const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double d = locale.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

std::optional<qint16> roundToInt16(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = roundTiesToEven(value);
    if (r < double(std::numeric_limits<qint16>::min()) || r > double(std::numeric_limits<qint16>::max()))
        return std::nullopt;
    return qint16(r);
}

Result check(const QString& text, Kind kind, const QLocale& locale) {
    Result r;
    const std::optional<double> number = readNumber(text, locale);
    if (!number)
        return r;
    if (kind == Kind::Text) {
        r.accepted = true;
        r.text = text.trimmed();
        return r;
    }
    const std::optional<qint16> whole = roundToInt16(*number);
    if (!whole)
        return r;
    r.accepted = true;
    r.value = *whole;
    r.text = text.trimmed();
    return r;
}

} // namespace NumericField
