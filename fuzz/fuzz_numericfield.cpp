// The number-field rule in several locales: it never accepts what is not a number, a whole-number
// field takes the value rounded half to even within 16 bits, and the accepted value, shown again in
// the field, is accepted as the same value.
#include "FuzzSupport.h"

#include "core/NumericField.h"

#include <array>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (size == 0)
        return 0;
    static const std::array<QLocale, 4> locales = {QLocale::c(), QLocale(QLocale::German, QLocale::Germany),
                                                   QLocale(QLocale::French, QLocale::France),
                                                   QLocale(QLocale::Hindi, QLocale::India)};
    const QLocale& locale = locales[bytes[0] % locales.size()];
    const bool utf8 = (bytes[0] & 4) != 0;
    const char* data = reinterpret_cast<const char*>(bytes + 1);
    const QString text =
        utf8 ? QString::fromUtf8(data, qsizetype(size - 1)) : QString::fromLatin1(data, qsizetype(size - 1));

    const std::optional<double> number = NumericField::readNumber(text, locale);
    if (number)
        fuzz::require(std::isfinite(*number), "an infinity or NaN was read as a number");

    const NumericField::Result asText = NumericField::check(text, NumericField::Kind::Text, locale);
    fuzz::require(asText.accepted == number.has_value(), "text fields and numbers disagree");
    if (asText.accepted)
        fuzz::require(asText.text == text.trimmed(), "a text field does not keep the trimmed text");

    const NumericField::Result asInt = NumericField::check(text, NumericField::Kind::Int16, locale);
    if (asInt.accepted) {
        fuzz::require(number.has_value(), "a whole-number field took what is not a number");
        fuzz::require(std::fabs(*number - asInt.value) <= 0.5, "rounded to the wrong whole number");
        if (std::fabs(*number - asInt.value) == 0.5)
            fuzz::require(asInt.value % 2 == 0, "a half was not rounded to even");
        const NumericField::Result shown =
            NumericField::check(locale.toString(int(asInt.value)), NumericField::Kind::Int16, locale);
        fuzz::require(shown.accepted && shown.value == asInt.value,
                      "the value shown again reads differently");
    } else if (number) {
        fuzz::require(!NumericField::roundToInt16(*number).has_value(), "a 16-bit number was refused");
    }
    return 0;
}
