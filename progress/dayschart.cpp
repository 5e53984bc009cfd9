#include "dayschart.h"

#include "pageparts.h"

#include <QAccessible>
#include <QPainter>
#include <algorithm>

namespace {

const QColor kDone{220, 225, 240};
const QColor kRight{60, 180, 75};
using pageparts::kFocus;
using pageparts::kYellow;
// Room inside the edge for the focus frame.
constexpr int kInset = 3;

} // namespace

DaysChart::DaysChart(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("chart"));
    // Reached by Tab, so that a screen reader reads its numbers on the way.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Problems done in the last 14 days"));
}

void DaysChart::setDays(const QList<record::Day>& days, const QLocale& locale)
{
    m_days = days;
    m_locale = locale;
    setAccessibleDescription(describe());
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    update();
}

QString DaysChart::describe() const
{
    QStringList parts;
    for (const record::Day& day : m_days) {
        const QString done = day.problems == 1
            ? tr("1 problem")
            : tr("%1 problems").arg(m_locale.toString(day.problems));
        const QString right = day.firstTriesRight == 1
            ? tr("1 first try right")
            : tr("%1 first tries right").arg(m_locale.toString(day.firstTriesRight));
        parts << tr("%1: %2, %3", "a day of the chart: its date, the problems, the first tries right")
                     .arg(m_locale.toString(day.date, QLocale::ShortFormat), done, right);
    }
    return parts.join(QStringLiteral("; "));
}

void DaysChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QFontMetrics fm(font());
    const int line = fm.height();
    // The legend on top, the dates beneath, the bars between.
    const QRect plot = rect().adjusted(line * 2, kInset + line + 4, -4 - kInset,
                                         -(kInset + line + 4));
    int most = 1;
    for (const record::Day& day : m_days)
        most = std::max({most, day.problems, day.firstTriesRight});

    p.setPen(kYellow);
    const QString done = tr("problems");
    const QString right = tr("first tries right");
    p.fillRect(QRect(plot.left(), kInset + 2, line - 4, line - 4), kDone);
    p.drawText(plot.left() + line, kInset, fm.horizontalAdvance(done) + 2, line, Qt::AlignVCenter,
               done);
    const int second = plot.left() + line + fm.horizontalAdvance(done) + line;
    p.fillRect(QRect(second, kInset + 2, line - 4, line - 4), kRight);
    p.drawText(second + line, kInset, fm.horizontalAdvance(right) + 2, line, Qt::AlignVCenter,
               right);

    // The scale: its top value and zero.
    p.drawText(QRect(0, plot.top() - line / 2, line * 2 - 4, line), Qt::AlignRight | Qt::AlignVCenter,
               m_locale.toString(most));
    p.drawText(QRect(0, plot.bottom() - line / 2, line * 2 - 4, line),
               Qt::AlignRight | Qt::AlignVCenter, m_locale.toString(0));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());

    const int count = int(m_days.size());
    if (count > 0) {
        const double slot = double(plot.width()) / count;
        for (int i = 0; i < count; ++i) {
            const record::Day& day = m_days.at(i);
            const int x = plot.left() + int(i * slot + slot * 0.15);
            const int w = std::max(2, int(slot * 0.7));
            const int hDone = plot.height() * day.problems / most;
            const int hRight = plot.height() * day.firstTriesRight / most;
            p.fillRect(QRect(x, plot.bottom() - hDone, w, hDone), kDone);
            p.fillRect(QRect(x + w / 4, plot.bottom() - hRight, w - w / 2, hRight), kRight);
        }
        p.setPen(kYellow);
        const QRect under(plot.left(), plot.bottom() + 2, plot.width(), line);
        p.drawText(under, Qt::AlignLeft | Qt::AlignTop,
                   m_locale.toString(m_days.first().date, QLocale::ShortFormat));
        p.drawText(under, Qt::AlignRight | Qt::AlignTop,
                   m_locale.toString(m_days.last().date, QLocale::ShortFormat));
    }
    if (hasFocus()) {
        // The focus colour of the answer box on the problem pages, plain on the page's blue.
        p.setPen(QPen(kFocus, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}
