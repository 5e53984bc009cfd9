#pragma once
// A second reading of a typed answer, written apart from problems::readAnswer so that the two
// can be compared: the blanks, tabs and line feeds are dropped first, a table-driven state
// machine finds the longest leading text of the form  [+-] digits [. digits] [(E|e) [+-] digits]
// (at least one mantissa digit), and the C library's strtod converts exactly that text in the
// C locale. Text with no such start reads as +0. Where the comma is a decimal separator too,
// it stands for the point.

#include <QStringView>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>

namespace reference {

namespace detail {

enum State { Start, Sign, Whole, Point, Fraction, Mark, MarkSign, Exponent, Stop, StateCount };
enum Kind { SignChar, DigitChar, PointChar, MarkChar, OtherChar, KindCount };

inline Kind kindOf(char16_t c, bool comma)
{
    if (c == u'+' || c == u'-')
        return SignChar;
    if (c >= u'0' && c <= u'9')
        return DigitChar;
    if (c == u'.' || (comma && c == u','))
        return PointChar;
    if (c == u'e' || c == u'E')
        return MarkChar;
    return OtherChar;
}

// Next state for each state and kind of character.
constexpr State kNext[StateCount][KindCount] = {
    /* Start    */ {Sign, Whole, Point, Stop, Stop},
    /* Sign     */ {Stop, Whole, Point, Stop, Stop},
    /* Whole    */ {Stop, Whole, Fraction, Mark, Stop},
    /* Point    */ {Stop, Fraction, Stop, Stop, Stop},   // "." or "-." with no digit yet
    /* Fraction */ {Stop, Fraction, Stop, Mark, Stop},
    /* Mark     */ {MarkSign, Exponent, Stop, Stop, Stop},
    /* MarkSign */ {Stop, Exponent, Stop, Stop, Stop},
    /* Exponent */ {Stop, Exponent, Stop, Stop, Stop},
    /* Stop     */ {Stop, Stop, Stop, Stop, Stop},
};

// States in which the text read so far is a whole number by itself.
constexpr bool kComplete[StateCount] = {false, false, true, false, true, false, false, true, false};

inline locale_t cLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return c;
}

} // namespace detail

// The number text the rule accepts at the start of `typed`, in ASCII with a point.
inline std::string acceptedText(QStringView typed, bool comma = false)
{
    using namespace detail;
    std::string kept;
    std::size_t accepted = 0;
    State state = Start;
    for (const QChar ch : typed) {
        const char16_t c = ch.unicode();
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        const Kind kind = kindOf(c, comma);
        state = kNext[state][kind];
        if (state == Stop)
            break;
        kept.push_back(kind == PointChar ? '.' : static_cast<char>(c));
        if (kComplete[state])
            accepted = kept.size();
    }
    kept.resize(accepted);
    return kept;
}

inline double read(QStringView typed, bool comma = false)
{
    const std::string text = acceptedText(typed, comma);
    if (text.empty())
        return 0.0;
    return strtod_l(text.c_str(), nullptr, detail::cLocale());
}

// The answer as the pupil should see it: the value rounded to two decimals, a value exactly
// half-way going away from zero, no minus sign on a value that shows as zero. glibc's printf
// rounds the exact binary value correctly; a half-way case is found in long double, where
// |value| * 200 is exact, and settled by hand.
inline std::string format(double value)
{
    char text[400];
    const long double doubled = std::fabs(static_cast<long double>(value)) * 200;
    if (std::floor(doubled) == doubled && std::fmod(doubled, 2.0L) == 1.0L) {
        std::snprintf(text, sizeof text, "%.0Lf", (doubled + 1) / 2); // hundredths, away from zero
        std::string digits(text);
        while (digits.size() < 3)
            digits.insert(digits.begin(), '0');
        digits.insert(digits.end() - 2, '.');
        return (value < 0 ? "-" : "") + digits;
    }
    std::snprintf(text, sizeof text, "%.2f", std::fabs(value));
    std::string shown(text);
    if (value < 0 && shown.find_first_not_of("0.") != std::string::npos)
        shown.insert(shown.begin(), '-');
    return shown;
}

// Bit-for-bit equal, or both not a number.
inline bool same(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace reference
