#pragma once
// The Paper Folding lesson: Cylinder, Torus, Möbius Strip or Cone, each with its animation and
// a paragraph on how it is folded and what its area is.

#include "lessonpage.h"

class folding0 : public LessonPage {
    Q_OBJECT
public:
    explicit folding0(QWidget* parent = nullptr);

    void Option1_Click(int index) override;
};
