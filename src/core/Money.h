#pragma once

#include <QLocale>
#include <QString>

#include <compare>

// An amount of money with exactly four decimal places: a 64-bit count of ten-thousandths. Every
// conversion of a quotient rounds to the nearest ten-thousandth, ties to even.
class Money {
public:
    constexpr Money() = default;
    static constexpr Money fromUnits(qint64 tenThousandths) { return Money(tenThousandths); }
    // A decimal text such as "1.05", " 2.5 " or "-3"; more than four decimals round half to even.
    // Texts that are not a plain decimal number but read as a number in C notation ("1e2") are
    // accepted too; anything else gives 0 and ok = false.
    static Money fromText(const QString& text, bool* ok = nullptr);
    // A floating-point amount rounded to four decimals, ties to even.
    static Money fromDouble(double amount);
    // The amount made of a dollars value, a point and a cents text: ("1", "05") is 1.05, ("1", "5") 1.5.
    static Money fromDollarsCents(const QString& dollars, const QString& cents);
    // The same for texts typed in the user's locale: plain digits read exactly as above; a dollars
    // text with the locale's decimal comma or digit grouping ("1,5" or "1.000" in a comma locale,
    // "1,000" in a point locale) is read as the number it shows, and the cents text adds its
    // fraction of a dollar to it. Texts that read as no number count 0.
    static Money fromDollarsCents(const QString& dollars, const QString& cents, const QLocale& locale);

    constexpr qint64 units() const { return m_units; }
    // This amount divided by a whole number, rounded to four decimals, ties to even.
    Money dividedBy(qint64 divisor) const;
    // This amount multiplied by a whole number (exact).
    constexpr Money times(qint64 factor) const { return Money(m_units * factor); }

    // Decimal text without trailing zeros, without a point for whole amounts, with a zero before the
    // point below one: 1.5, 0.0521, 2, 0.
    QString toText() const;

    constexpr auto operator<=>(const Money&) const = default;

private:
    constexpr explicit Money(qint64 u) : m_units(u) {}
    qint64 m_units = 0;
};

// Integer division rounding to nearest, ties to even (divisor non-zero).
qint64 divideTiesToEven(qint64 numerator, qint64 divisor);

// The whole number nearest to x, ties to even: what std::nearbyint gives in the default rounding
// mode, done with two additions instead of a call into the maths library, whose code a start would
// otherwise map for this one function. x itself when it is already whole, infinite or not a number.
double roundTiesToEven(double x);
