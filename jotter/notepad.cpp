#include "notepad.h"

namespace jotter {

notepad::notepad(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Jotter"));
    setFixedSize(661, 244);
}

notepad::~notepad() = default;

} // namespace jotter
