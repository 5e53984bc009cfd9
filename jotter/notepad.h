#pragma once
// The Jotter window.

#include <QWidget>

namespace jotter {

class notepad : public QWidget {
    Q_OBJECT
public:
    explicit notepad(QWidget* parent = nullptr);
    ~notepad() override;
};

} // namespace jotter
