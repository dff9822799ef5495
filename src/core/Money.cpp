#include "core/Money.h"

#include <cmath>
#include <limits>

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

Money Money::fromDouble(double amount) {
    const double scaled = amount * 10000.0;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.0e18)
        return Money();
    return Money(qint64(std::nearbyint(scaled)));
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
    qint64 whole = 0;
    int wholeDigits = 0;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
        if (whole > 90000000000000LL)
            return Money(); // far beyond any amount this program handles (and beyond 64 bits)
        whole = whole * 10 + (text[i].unicode() - u'0');
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
    qint64 units = whole * 10000 + frac / 10;
    const int last = int(frac % 10);
    if (last > 5 || (last == 5 && (sticky || units % 2 != 0)))
        ++units;
    if (ok)
        *ok = true;
    return Money(negative ? -units : units);
}

Money Money::fromDollarsCents(const QString& dollars, const QString& cents) {
    return fromText(dollars.trimmed() + QLatin1Char('.') + cents.trimmed());
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
