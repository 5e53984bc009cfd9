#include "answer.h"

#include <QCoreApplication>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace problems {
namespace {

bool isSkipped(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Walks the typed text, leaving out the characters that are skipped wherever they stand.
class Cursor {
public:
    explicit Cursor(QStringView text) : m_text(text) { skip(); }

    bool atEnd() const { return m_pos >= m_text.size(); }
    char16_t peek() const { return atEnd() ? u'\0' : m_text[m_pos].unicode(); }
    void next()
    {
        ++m_pos;
        skip();
    }

private:
    void skip()
    {
        while (!atEnd() && isSkipped(m_text[m_pos].unicode()))
            ++m_pos;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

// Exponents beyond this decide the result alone (any nonzero mantissa overflows or vanishes).
constexpr std::int64_t kExponentCap = 1'000'000'000;

} // namespace

double readAnswer(QStringView typed, Separator separator)
{
    const bool commaToo = separator == Separator::PointOrComma;
    Cursor in(typed);
    bool negative = false;
    if (in.peek() == u'+' || in.peek() == u'-') {
        negative = in.peek() == u'-';
        in.next();
    }

    // The mantissa is copied in plain ASCII: its significant digits, and where the point was.
    std::string digits;
    std::int64_t pointShift = 0; // decimal exponent contributed by the place of the point
    bool sawDigit = false;
    bool sawPoint = false;
    for (;;) {
        const char16_t c = in.peek();
        if (isDigit(c)) {
            sawDigit = true;
            if (!(digits.empty() && c == u'0')) // leading zeros add nothing
                digits.push_back(static_cast<char>(c));
            if (sawPoint)
                --pointShift;
        } else if ((c == u'.' || (commaToo && c == u',')) && !sawPoint) {
            sawPoint = true;
        } else {
            break;
        }
        in.next();
    }
    if (!sawDigit)
        return 0.0; // nothing readable (a lone sign or point counts as nothing)

    std::int64_t exponent = 0;
    if (in.peek() == u'E' || in.peek() == u'e') {
        in.next();
        bool expNegative = false;
        if (in.peek() == u'+' || in.peek() == u'-') {
            expNegative = in.peek() == u'-';
            in.next();
        }
        while (isDigit(in.peek())) {
            if (exponent < kExponentCap)
                exponent = exponent * 10 + (in.peek() - u'0');
            in.next();
        }
        if (expNegative)
            exponent = -exponent;
    }

    const double sign = negative ? -1.0 : 1.0;
    if (digits.empty())
        return sign * 0.0;

    // Decimal exponent of the leading significant digit decides overflow against underflow.
    const std::int64_t scale = exponent + pointShift;
    const std::int64_t magnitude = scale + static_cast<std::int64_t>(digits.size()) - 1;
    if (magnitude > 400)
        return sign * std::numeric_limits<double>::infinity();
    if (magnitude < -400)
        return sign * 0.0;

    // Beyond 800 significant digits only whether any further digit is nonzero can change the
    // rounding; keep that as one sticky digit so that a long text stays cheap to convert.
    constexpr std::size_t kKeep = 800;
    if (digits.size() > kKeep) {
        const bool sticky = digits.find_first_not_of('0', kKeep) != std::string::npos;
        const std::int64_t dropped = static_cast<std::int64_t>(digits.size() - kKeep) - 1;
        digits.resize(kKeep);
        digits.push_back(sticky ? '1' : '0');
        const std::int64_t newScale = scale + dropped;
        digits += 'e';
        digits += std::to_string(newScale);
    } else {
        digits += 'e';
        digits += std::to_string(scale);
    }

    double value = 0.0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range)
        return sign * (magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0);
    return sign * value;
}

bool isRight(double value, double answer)
{
    if (!std::isfinite(value))
        return false;
    const double difference = value - answer;
    const double d = difference * difference;
    return std::isfinite(d) && d < 0.000026;
}

QString verdict(QStringView typed, double answer, Separator separator)
{
    // Looked up when shown, so that the verdict is in the language the pupil has now.
    return isRight(readAnswer(typed, separator), answer)
        ? QCoreApplication::translate("problems", "Correct, Well Done!")
        : QCoreApplication::translate("problems", "Wrong, Try Again");
}

QString formatAnswer(double answer, QChar decimalPoint)
{
    if (!std::isfinite(answer))
        return QString::number(answer);
    // The exact decimal expansion of the double (every double has a finite one), so that a
    // half-way value such as 0.125 is seen as exactly half and goes away from zero.
    char buffer[1200];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(answer),
                                         std::chars_format::fixed, 1100);
    if (ec != std::errc())
        return QString::number(answer, 'f', 2).replace(QLatin1Char('.'), decimalPoint);
    std::string text(buffer, end);
    const std::size_t point = text.find('.');
    const bool roundUp = text[point + 3] >= '5';
    text.resize(point + 3); // "<whole>.dd"
    if (roundUp) {
        std::size_t i = text.size();
        for (;;) {
            if (i == 0) {
                text.insert(text.begin(), '1');
                break;
            }
            --i;
            if (text[i] == '.')
                continue;
            if (text[i] == '9') {
                text[i] = '0';
                continue;
            }
            ++text[i];
            break;
        }
    }
    const bool zero = text.find_first_not_of("0.") == std::string::npos;
    if (answer < 0 && !zero)
        text.insert(text.begin(), '-');
    QString shown = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QLatin1Char('.'), decimalPoint);
    return shown;
}

} // namespace problems
