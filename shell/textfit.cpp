#include "textfit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVariant>

namespace textfit {
namespace {

constexpr double kSmallest = 6.0;
constexpr double kStep = 0.5;
const char* const kDesignSize = "textfit_designSize";
const char* const kFittedSize = "textfit_fittedSize";

QRect buttonTextBox(const QAbstractButton& button, QStyle::SubElement element)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    return button.style()->subElementRect(element, &option, &button);
}

} // namespace

Room room(const QWidget& w)
{
    const QFontMetrics metrics = w.fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
            return {};
        const int margin = label->margin();
        const QRect box = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return {box, metrics.boundingRect(box, flags, label->text())};
    }
    const auto* button = qobject_cast<const QAbstractButton*>(&w);
    if (!button || button->text().isEmpty())
        return {};
    const QString text = QString(button->text()).remove(QLatin1Char('&'));
    if (qobject_cast<const QRadioButton*>(button)) {
        const QRect box = buttonTextBox(*button, QStyle::SE_RadioButtonContents);
        return {box, metrics.boundingRect(box, Qt::AlignLeft | Qt::AlignVCenter, text)};
    }
    if (qobject_cast<const QPushButton*>(button)) {
        // Inside the thickest border a face draws, the one that shows the keyboard focus.
        const QRect box = buttonTextBox(*button, QStyle::SE_PushButtonContents)
                              .intersected(button->rect().adjusted(2, 2, -2, -2));
        return {box, metrics.boundingRect(box, Qt::AlignCenter, text)};
    }
    // The program's own clickable labels draw their text wrapped across their whole box.
    const QRect box = button->rect();
    return {box, metrics.boundingRect(box, Qt::AlignCenter | Qt::TextWordWrap, text)};
}

void fit(QWidget& w)
{
    QFont font = w.font();
    // A size the page set since the last fitting is the new design size.
    const QVariant fitted = w.property(kFittedSize);
    if (!fitted.isValid() || fitted.toDouble() != font.pointSizeF())
        w.setProperty(kDesignSize, font.pointSizeF());
    const double design = w.property(kDesignSize).toDouble();
    if (design <= 0)
        return;
    double size = design;
    font.setPointSizeF(size);
    w.setFont(font);
    while (!room(w).fits() && size - kStep >= kSmallest) {
        size -= kStep;
        font.setPointSizeF(size);
        w.setFont(font);
    }
    w.setProperty(kFittedSize, size);
}

void setDesignSize(QWidget& w, double pointSize)
{
    QFont font = w.font();
    font.setPointSizeF(pointSize);
    w.setFont(font);
    w.setProperty(kDesignSize, pointSize);
    w.setProperty(kFittedSize, pointSize);
}

void fitTogether(const QList<QWidget*>& widgets)
{
    double common = 0;
    for (QWidget* w : widgets) {
        fit(*w);
        const double size = w->font().pointSizeF();
        common = common == 0 ? size : qMin(common, size);
    }
    for (QWidget* w : widgets)
        setDesignSize(*w, common);
}

void fitAll(QWidget& window)
{
    const auto labels = window.findChildren<QLabel*>();
    for (QLabel* label : labels)
        fit(*label);
    const auto buttons = window.findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons)
        fit(*button);
}

} // namespace textfit
