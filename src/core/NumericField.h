#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <optional>

// The rule every number field of the configuration console obeys when it loses the focus. The text
// must read as a number in the user's locale (blanks around it, a sign, a decimal point, an exponent
// and digit grouping are fine; the empty text is not a number). Text settings keep the trimmed text;
// whole-number settings take the value rounded half to even, which must fit a signed 16-bit integer.
namespace NumericField {

enum class Kind { Text, Int16 };

struct Result {
    bool accepted = false;
    QString text;     // the trimmed text (Kind::Text)
    qint16 value = 0; // the rounded value (Kind::Int16)
};

// The text read as a number in the locale, or nothing. Infinities and NaN are not numbers.
std::optional<double> readNumber(const QString& text, const QLocale& locale = QLocale());
// A number rounded to the nearest whole number, a half going to the even neighbour; nothing when
// the result does not fit a signed 16-bit integer.
std::optional<qint16> roundToInt16(double value);
// The whole rule for one field's text.
Result check(const QString& text, Kind kind, const QLocale& locale = QLocale());

inline QString rejectionText() {
    return QCoreApplication::translate("NumericField", "Please enter numeric values i.e. 0-9");
}
inline QString rejectionTitle() {
    return QCoreApplication::translate("NumericField", "Invalid fields");
}

} // namespace NumericField
