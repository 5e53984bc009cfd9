#pragma once
// Everything the fuzz target checks for one typed text, shared with the unit tests so that
// any input the fuzzer keeps can be replayed as an ordinary test row. Both readings are checked:
// the point alone as the decimal separator, and the comma or the point, with the answer shown
// with a decimal comma.
//  - the reader agrees with the reference reading, bit for bit;
//  - the check accepts only a finite value close to the answer, and the verdict is the check
//    applied to the reading, for answers on both sides of the limit;
//  - the answer shown to the pupil is the reference's two-decimal form of the value read.

#include "answer.h"
#include "reference.h"

#include <QString>
#include <cmath>
#include <cstdio>
#include <string>

namespace compare {

inline std::string hex(double v)
{
    char text[64];
    std::snprintf(text, sizeof text, "%a", v);
    return text;
}

// An empty string when everything agrees, otherwise what went wrong.
inline std::string check(QStringView typed, problems::Separator separator)
{
    const bool comma = separator == problems::Separator::PointOrComma;
    const std::string reading = comma ? "comma or point: " : "point: ";
    const double got = problems::readAnswer(typed, separator);
    const double want = reference::read(typed, comma);
    if (!reference::same(got, want))
        return reading + "reader " + hex(got) + " but reference " + hex(want)
               + " for the number text \"" + reference::acceptedText(typed, comma).substr(0, 200)
               + "\"";

    // Answers at, near, just inside and just outside the limit of 0.0051 from the reading.
    const double answers[] = {want,          want + 0.00509, want - 0.00509, want + 0.00511,
                              want - 0.00511, 78.5398163375,  0.0,            -want};
    for (const double answer : answers) {
        if (!std::isfinite(answer))
            continue;
        const bool right = problems::isRight(want, answer);
        const double gap = std::fabs(want - answer);
        if (right && !(std::isfinite(want) && gap < 0.0051))
            return reading + "accepted " + hex(want) + " for the answer " + hex(answer);
        if (!right && std::isfinite(want) && gap < 0.00509 * 0.999)
            return reading + "refused " + hex(want) + " for the answer " + hex(answer);
        const QString shown = problems::verdict(typed, answer, separator);
        if (shown != (right ? problems::kRight : problems::kWrong))
            return reading + "verdict \"" + shown.toStdString()
                   + "\" disagrees with the check for " + hex(answer);
    }

    if (std::isfinite(want)) {
        const QChar point = comma ? QLatin1Char(',') : QLatin1Char('.');
        const std::string shown = problems::formatAnswer(want, point).toStdString();
        std::string expected = reference::format(want);
        if (comma)
            expected[expected.find('.')] = ',';
        if (shown != expected)
            return reading + "shown \"" + shown.substr(0, 60) + "\" but expected \""
                   + expected.substr(0, 60) + "\" for " + hex(want);
    }
    return {};
}

inline std::string check(QStringView typed)
{
    const std::string fault = check(typed, problems::Separator::Point);
    return fault.empty() ? check(typed, problems::Separator::PointOrComma) : fault;
}

// The two ways the fuzzer's bytes are read as typed text: one character per byte, and pairs of
// bytes as UTF-16 code units (non-ASCII digits, lone surrogates and the like).
inline QString asLatin1(const char* data, std::size_t size)
{
    return QString::fromLatin1(data, static_cast<qsizetype>(size));
}

inline QString asUtf16(const char* data, std::size_t size)
{
    QString text(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text[static_cast<qsizetype>(i / 2)] = QChar(static_cast<char16_t>(
            static_cast<unsigned char>(data[i]) | (static_cast<unsigned char>(data[i + 1]) << 8)));
    return text;
}

} // namespace compare
