#include "statestrip.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

StateStrip::StateStrip(record::Module module, QWidget* parent)
    : QWidget(parent)
    , m_module(module)
{
    setObjectName(QStringLiteral("statestrip"));
    setAccessibleName(tr("Your progress on these kinds of problem"));
    m_states.fill(record::State::NotStarted);
    setAccessibleDescription(describe());
}

void StateStrip::setStates(const std::array<record::State, 6>& states)
{
    if (states == m_states)
        return;
    m_states = states;
    setAccessibleDescription(describe());
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    update();
}

QString StateStrip::cellText(int type) const
{
    return tr("%1: %2").arg(record::typeName(m_module, type),
                            record::stateName(m_states[std::size_t(type)]));
}

QString StateStrip::describe() const
{
    QStringList parts;
    for (int type = 0; type < 6; ++type)
        parts << cellText(type);
    return parts.join(QStringLiteral("; "));
}

QColor StateStrip::colour(record::State state)
{
    switch (state) {
    case record::State::NotStarted:
        return {150, 150, 150};
    case record::State::Practising:
        return {250, 200, 40};
    case record::State::Mastered:
        return {60, 180, 75};
    case record::State::NeedsHelp:
        return {230, 70, 60};
    case record::State::Review:
        return {90, 170, 235};
    }
    return {150, 150, 150};
}

QString StateStrip::mark(record::State state)
{
    switch (state) {
    case record::State::Mastered:
        return QStringLiteral("\u2713");
    case record::State::NeedsHelp:
        return QStringLiteral("!");
    case record::State::Review:
        return QStringLiteral("\u21BB");
    default:
        return QString();
    }
}

QRect StateStrip::cell(int type) const
{
    const int step = width() / 6;
    return QRect(type * step + 1, 1, step - 2, height() - 2);
}

void StateStrip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QFont small = font();
    small.setPixelSize(qMax(8, height() - 4));
    small.setBold(true);
    p.setFont(small);
    for (int type = 0; type < 6; ++type) {
        const record::State state = m_states[std::size_t(type)];
        const QRect box = cell(type);
        p.setPen(Qt::NoPen);
        p.setBrush(colour(state));
        p.drawRoundedRect(box, 3, 3);
        p.setPen(Qt::black);
        const QString mk = mark(state);
        p.drawText(box, Qt::AlignCenter,
                   mk.isEmpty() ? QString::number(type + 1)
                                : QString::number(type + 1) + QLatin1Char(' ') + mk);
    }
}

bool StateStrip::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(e);
        for (int type = 0; type < 6; ++type) {
            if (cell(type).contains(help->pos())) {
                QToolTip::showText(help->globalPos(), cellText(type), this, cell(type));
                return true;
            }
        }
        QToolTip::hideText();
        e->ignore();
        return true;
    }
    return QWidget::event(e);
}
