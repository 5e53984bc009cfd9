#include "formulaplace.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <cmath>

namespace formulaplace {
namespace {

// The sentence wrapped at word boundaries into lines of the label's width, lines stacked
// without extra leading, as a word-wrapped label stacks them.
void layOut(QTextLayout& layout, int width)
{
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
}

QPoint topLeft(qreal x, qreal baseline, const QFont& formulaFont)
{
    return QPoint(static_cast<int>(std::lround(x)),
                  static_cast<int>(std::lround(baseline - QFontMetricsF(formulaFont).ascent())));
}

} // namespace

QPoint afterSentence(const QString& sentence, const QFont& sentenceFont, int sentenceWidth,
                     const QString& formula, const QFont& formulaFont)
{
    QTextLayout layout(sentence, sentenceFont);
    layOut(layout, sentenceWidth);
    int end = static_cast<int>(sentence.size());
    while (end > 0 && sentence.at(end - 1).isSpace())
        --end;
    if (layout.lineCount() == 0)
        return topLeft(0, QFontMetricsF(sentenceFont).ascent(), formulaFont);

    const QTextLine last = layout.lineForTextPosition(qMax(end - 1, 0));
    const qreal blank = QFontMetricsF(sentenceFont).horizontalAdvance(QLatin1Char(' '));
    const qreal formulaWidth = QFontMetricsF(formulaFont).horizontalAdvance(formula);
    const qreal x = (end > 0 ? last.cursorToX(end) : 0) + blank;
    if (x + formulaWidth <= sentenceWidth)
        return topLeft(x, last.y() + last.ascent(), formulaFont);
    // Too little room left: the formula starts the next line, as a wrapped word would.
    return topLeft(0, last.y() + last.height() + last.ascent(), formulaFont);
}

QPoint inGap(const QString& sentence, const QString& before, const QFont& sentenceFont,
             int sentenceWidth, const QString& formula, const QFont& formulaFont)
{
    const qsizetype at = sentence.indexOf(before);
    if (at < 0)
        return afterSentence(sentence, sentenceFont, sentenceWidth, formula, formulaFont);
    const int gapStart = static_cast<int>(at + before.size());
    int gapEnd = gapStart;
    while (gapEnd < sentence.size() && sentence.at(gapEnd) == QLatin1Char(' '))
        ++gapEnd;
    if (gapEnd == gapStart)
        return afterSentence(sentence, sentenceFont, sentenceWidth, formula, formulaFont);

    QTextLayout layout(sentence, sentenceFont);
    layOut(layout, sentenceWidth);
    const QTextLine line = layout.lineForTextPosition(gapStart);
    if (!line.isValid())
        return afterSentence(sentence, sentenceFont, sentenceWidth, formula, formulaFont);
    const qreal from = line.cursorToX(gapStart);
    // A gap broken over two lines ends at the line's end.
    const qreal to = layout.lineForTextPosition(gapEnd).lineNumber() == line.lineNumber()
        ? line.cursorToX(gapEnd)
        : line.naturalTextWidth();
    const qreal formulaWidth = QFontMetricsF(formulaFont).horizontalAdvance(formula);
    return topLeft((from + to - formulaWidth) / 2, line.y() + line.ascent(), formulaFont);
}

} // namespace formulaplace
