#include "core/Money.h"

#include <cmath>
#include <limits>
#include <optional>

qint64 divideTiesToEven(qint64 n, qint64 d) {
    if (d < 0) {
        n = -n;
        d = -d;
    }
    qint64 q = n / d;
    qint64 r = n % d; // same sign as n
    const qint64 twice = 2 * (r < 0 ? -r : r);
    if (twice > d || (twice == d && (q % 2 != 0)))
        q += (n < 0) ? -1 : 1;
    return q;
}

double roundTiesToEven(double x) {
    // From 2^52 up every double is whole; below it, adding 2^52 leaves no bits for a fraction, so
    // the addition rounds to a whole number as the hardware rounds (to nearest, ties to even) and
    // the subtraction is exact. The sign is kept for results of zero (-0.4 gives -0).
    constexpr double kTwo52 = 4503599627370496.0;
    if (!(std::fabs(x) < kTwo52))
        return x;
    const double whole = x < 0 ? (x - kTwo52) + kTwo52 : (x + kTwo52) - kTwo52;
    return std::copysign(whole, x);
}

Money Money::fromDouble(double amount) {
    const double scaled = amount * 10000.0;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.0e18)
        return Money();
    return Money(qint64(roundTiesToEven(scaled)));
}

Money Money::fromText(const QString& input, bool* ok) {
    const QString text = input.trimmed();
    if (ok)
        *ok = false;
    int i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    quint64 whole = 0;
    int wholeDigits = 0;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
        // Beyond 64 bits is far beyond any amount this program handles: no amount.
        if (__builtin_mul_overflow(whole, 10u, &whole) ||
            __builtin_add_overflow(whole, quint64(text[i].unicode() - u'0'), &whole))
            return Money();
        ++i;
        ++wholeDigits;
    }
    qint64 frac = 0; // the first five decimals, scaled to 1e5
    int fracDigits = 0;
    bool sticky = false; // any non-zero decimal past the fifth
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
            const int digit = text[i].unicode() - u'0';
            if (fracDigits < 5) {
                frac = frac * 10 + digit;
                ++fracDigits;
            } else if (digit != 0) {
                sticky = true;
            }
            ++i;
        }
    }
    if (i != text.size() || (wholeDigits == 0 && fracDigits == 0)) {
        bool dok = false;
        const double d = text.toDouble(&dok);
        if (!dok || !std::isfinite(d))
            return Money();
        if (ok)
            *ok = true;
        return fromDouble(d);
    }
    while (fracDigits < 5) {
        frac *= 10;
        ++fracDigits;
    }
    // Round the fifth decimal away, ties to even (a non-zero tail past it breaks the tie upward).
    // Every amount toText() prints reads back, down to the most negative one; beyond that: no amount.
    quint64 magnitude = 0;
    if (__builtin_mul_overflow(whole, quint64(10000), &magnitude) ||
        __builtin_add_overflow(magnitude, quint64(frac / 10), &magnitude))
        return Money();
    const int last = int(frac % 10);
    if ((last > 5 || (last == 5 && (sticky || magnitude % 2 != 0))) &&
        __builtin_add_overflow(magnitude, quint64(1), &magnitude))
        return Money();
    const quint64 limit = negative ? quint64(std::numeric_limits<qint64>::max()) + 1
                                   : quint64(std::numeric_limits<qint64>::max());
    if (magnitude > limit)
        return Money();
    if (ok)
        *ok = true;
    return Money(negative ? qint64(0 - magnitude) : qint64(magnitude));
}

Money Money::fromDollarsCents(const QString& dollars, const QString& cents) {
    return fromText(dollars.trimmed() + QLatin1Char('.') + cents.trimmed());
}

namespace {

// A whole number in plain digits, with an optional sign.
bool isPlainWhole(const QString& text) {
    qsizetype i = (text.startsWith(u'-') || text.startsWith(u'+')) ? 1 : 0;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return false;
    }
    return true;
}

// Plain digits only (the empty text included).
bool isPlainDigits(const QString& text) {
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// A number typed in the locale, else in C notation.
std::optional<double> readNumber(const QString& text, const QLocale& locale) {
    bool ok = false;
    double d = locale.toDouble(text, &ok);
    if (!ok)
        d = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

} // namespace

Money Money::fromDollarsCents(const QString& dollars, const QString& cents, const QLocale& locale) {
    const QString d = dollars.trimmed();
    const QString c = cents.trimmed();
    if (isPlainWhole(d) && isPlainDigits(c))
        return fromDollarsCents(d, c);

    // The dollars as the number the field shows.
    const std::optional<double> whole = d.isEmpty() ? std::optional<double>(0.0) : readNumber(d, locale);
    if (!whole)
        return Money();
    const Money base = fromDouble(*whole);
    // The cents text as a fraction of a dollar: its digits after a point ("5" is 0.5, "05" 0.05); a
    // cents text that is not plain digits counts as its number of hundredths.
    Money fraction;
    if (isPlainDigits(c)) {
        fraction = c.isEmpty() ? Money() : fromText(QStringLiteral("0.") + c);
    } else {
        const std::optional<double> hundredths = readNumber(c, locale);
        fraction = hundredths ? fromDouble(std::fabs(*hundredths) / 100.0) : Money();
    }
    const bool negative = *whole < 0 || d.startsWith(u'-');
    qint64 units = 0;
    const bool overflow = negative ? __builtin_sub_overflow(base.units(), fraction.units(), &units)
                                   : __builtin_add_overflow(base.units(), fraction.units(), &units);
    return overflow ? Money() : Money::fromUnits(units); // far beyond any tariff: no amount
}

Money Money::dividedBy(qint64 divisor) const {
    if (divisor == 0)
        return Money();
    return Money(divideTiesToEven(m_units, divisor));
}

QString Money::toText() const {
    const qint64 u = m_units;
    const bool negative = u < 0;
    const quint64 a = negative ? quint64(-(u + 1)) + 1 : quint64(u);
    QString s = QString::number(a / 10000);
    quint64 frac = a % 10000;
    if (frac != 0) {
        QString f = QStringLiteral("%1").arg(frac, 4, 10, QLatin1Char('0'));
        while (f.endsWith(QLatin1Char('0')))
            f.chop(1);
        s += QLatin1Char('.') + f;
    }
    return negative ? QLatin1Char('-') + s : s;
}
