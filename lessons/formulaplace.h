#pragma once
// Where a formula label goes so that it reads as part of the word-wrapped sentence beside it.
// The sentence is laid out the way a word-wrapped label lays it out; positions come back in
// the sentence label's own coordinates, as the top-left corner of the formula label whose
// text is drawn from its top edge.

#include <QFont>
#include <QPoint>
#include <QString>

namespace formulaplace {

// Just after the sentence's last word, a blank's width on, on the same baseline; at the start
// of the next line when the rest of the last line is too short for the formula.
QPoint afterSentence(const QString& sentence, const QFont& sentenceFont, int sentenceWidth,
                     const QString& formula, const QFont& formulaFont);

// Centred in the run of blanks that the sentence leaves for it after the text `before`, on the
// baseline of the line the blanks are on. Falls back to afterSentence when the sentence has no
// such run.
QPoint inGap(const QString& sentence, const QString& before, const QFont& sentenceFont,
             int sentenceWidth, const QString& formula, const QFont& formulaFont);

} // namespace formulaplace
