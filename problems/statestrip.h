#pragma once
// A small strip of six cells, one for each type of a module's problems, coloured by the pupil's
// state on that type (Not started, Practising, Mastered, Needs help, Review) and numbered 1 to
// 6. Hovering a cell names the type and its state; screen readers read every cell in its
// description.

#include "record.h"

#include <QColor>
#include <QWidget>
#include <array>

class StateStrip : public QWidget {
    Q_OBJECT
public:
    explicit StateStrip(record::Module module, QWidget* parent = nullptr);

    void setStates(const std::array<record::State, 6>& states);
    const std::array<record::State, 6>& states() const { return m_states; }

    // "Circumference: Mastered; Area of a circle: Practising; ..." in the language in use.
    QString describe() const;

    // The colour of a state, shared by every place that shows one, and its short mark.
    static QColor colour(record::State state);
    static QString mark(record::State state);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRect cell(int type) const;
    QString cellText(int type) const; // "Circumference: Mastered"

    record::Module m_module;
    std::array<record::State, 6> m_states{};
};
