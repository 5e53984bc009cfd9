#pragma once
// A bar chart of the pupil's last days: for each day the problems done (a pale bar) and the
// first tries right (a green bar inside it), with the first and last dates beneath. Its
// accessible description gives every number, in the language's format.

#include "record.h"

#include <QLocale>
#include <QWidget>

class DaysChart : public QWidget {
    Q_OBJECT
public:
    explicit DaysChart(QWidget* parent = nullptr);

    void setDays(const QList<record::Day>& days, const QLocale& locale);
    const QList<record::Day>& days() const { return m_days; }

    // "8 Dec 2026: 5 problems, 3 first tries right; ..." for screen readers.
    QString describe() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<record::Day> m_days;
    QLocale m_locale;
};
