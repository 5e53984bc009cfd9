#pragma once
// Reading the pupil's typed answer, judging it, and writing the correct answer for the pupil.

#include <QString>
#include <QStringView>

namespace problems {

// Which characters a typed answer may use as its decimal separator: the point alone (English),
// or either the comma or the point, for languages that write decimals with a comma.
enum class Separator { Point, PointOrComma };

// Reads the number at the start of a typed answer, leniently: blanks, tabs and line feeds are
// skipped wherever they stand; then an optional sign, digits with at most one decimal separator,
// and an optional exponent (E or e, optional sign, digits); reading stops at the first character
// that does not fit. Text that does not begin with a number reads as 0; with the point alone
// "3,14" reads as 3. A number beyond the range of a double reads as an infinity of its sign
// (one too small reads as 0). Independent of the locale, and linear in the length of the text.
double readAnswer(QStringView typed, Separator separator = Separator::Point);

// True when the value lies strictly within sqrt(0.000026) of the answer (the bound is on the
// square of the difference). Values that are not finite, or whose squared difference is not,
// are never right.
bool isRight(double value, double answer);

// The verdicts as written; what the pupil sees is their translation.
inline const QString kRight = QStringLiteral("Correct, Well Done!");
inline const QString kWrong = QStringLiteral("Wrong, Try Again");

// The verdict shown for a typed text, translated.
QString verdict(QStringView typed, double answer, Separator separator = Separator::Point);

// The answer as the pupil sees it: at least one digit, the decimal point given and exactly two
// decimals, rounded half away from zero on the double's exact value, no grouping, whatever the
// locale.
QString formatAnswer(double answer, QChar decimalPoint = QLatin1Char('.'));

} // namespace problems
