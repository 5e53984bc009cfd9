#pragma once
// The Circles lesson: Circle, Sector, Triangle or Segment, each with its animation, the
// sentence that gives its area and the formula set in a label of its own after the sentence.

#include "lessonpage.h"

class circles0 : public LessonPage {
    Q_OBJECT
public:
    explicit circles0(QWidget* parent = nullptr);

    void Option1_Click(int index) override;

    QLabel* Label4[shapeCount] = {};

private:
    void placeFormula(int index);
};
