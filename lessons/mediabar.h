#pragma once
// The media bar below an animation: four buttons, Play, Pause, Step back and Step forward,
// from left to right. It plays nothing itself; the page reacts to its clicks.

#include <QWidget>

class QAbstractButton;

class MediaBar : public QWidget {
    Q_OBJECT
public:
    enum Button { Play, Pause, Back, Next };
    static constexpr int buttonCount = 4;

    explicit MediaBar(QWidget* parent = nullptr);

    void setButtonEnabled(Button b, bool on);
    bool isButtonEnabled(Button b) const;
    QAbstractButton* button(Button b) const;

Q_SIGNALS:
    void clicked(MediaBar::Button b);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();

    QAbstractButton* m_buttons[buttonCount] = {};
};
