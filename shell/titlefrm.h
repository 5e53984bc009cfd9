#pragma once
// The title screen: the first page of the program and its way out. It plays a small looping
// animation; "OK" (or "Cancel" when the main menu brought it back) opens the main menu and
// "Exit" ends the program.

#include "page.h"

#include <array>

class PictureBox;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;

class Titlefrm : public Page {
    Q_OBJECT
public:
    explicit Titlefrm(QWidget* parent = nullptr);

    void Form_Load();
    void Timer1_Timer();
    void Command1_Click();
    void Command2_Click();

    // Name of the title picture shown for a frame number (0 to 49).
    static QString frameFile(int number);

    QFrame* Frame1 = nullptr;
    QTimer* Timer1 = nullptr;
    PictureBox* Picture1 = nullptr;
    std::array<QLabel*, 2> Label4{};
    QLabel* Label3 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QLabel* Label2 = nullptr;

    // Whether the last load took the fallback path (the first picture could not be read).
    bool tookFallback() const { return m_fallback; }

private:
    bool m_fallback = false;
};
