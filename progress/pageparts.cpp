#include "pageparts.h"

#include "facewords.h"
#include "fonts.h"
#include "picturebutton.h"

#include <QLabel>
#include <QPushButton>

namespace pageparts {

const QString kTahoma = QStringLiteral("Tahoma");

QLabel* label(QWidget* page, const char* name, double pointSize, bool bold)
{
    auto* label = new QLabel(page);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(fonts::design(kTahoma, pointSize, bold));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette pal = label->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::WindowText, kYellow);
    label->setPalette(pal);
    return label;
}

QPushButton* button(QWidget* page, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, page);
    button->setObjectName(QLatin1String(name));
    button->setFont(fonts::design(kTahoma, 10));
    button->setAutoDefault(true);
    QPalette pal = button->palette();
    pal.setColor(QPalette::Highlight, kFocus);
    button->setPalette(pal);
    return button;
}

PictureButton* exitButton(QWidget* page, const QString& what)
{
    auto* button = new PictureButton(page);
    button->setObjectName(QStringLiteral("cmdexit"));
    button->describe(what, facewords::Exit);
    // Alt+X as well, as on every other page, in every language.
    PictureButton::keepEnglishKeys({button});
    return button;
}

} // namespace pageparts
