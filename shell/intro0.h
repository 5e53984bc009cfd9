#pragma once
// The main menu: the hub of the program. Two columns of module titles, of which "Circles" and
// "Paper Folding" open their lesson pages; the others are greyed. Entries are highlighted under
// the pointer until it crosses the bare background. A link opens the publisher's web site and
// the exit button leads back to the title screen.

#include "page.h"

#include <QImage>
#include <array>

class LabelButton;
class PictureBox;
class PictureButton;
class QLabel;

class intro0 : public Page {
    Q_OBJECT
public:
    explicit intro0(QWidget* parent = nullptr);

    static constexpr int kEntries = 6;
    static const char* const kWebAddress;

    void Form_Load();
    void Form_MouseMove();
    void Label1_MouseMove();
    void Label2_MouseMove(int index);
    void Label5_MouseMove(int index);
    void Label2_Click(int index);
    void Label6_Click();
    void Command1_Click();
    void lblprogress_Click();
    void lblmyclass_Click();

    // Whether a label shows its highlight (its background filled).
    static bool isHighlighted(const QWidget* label);

    QLabel* Label1 = nullptr;
    QLabel* Label4 = nullptr;
    PictureBox* Image2 = nullptr;
    std::array<LabelButton*, kEntries> Label2{};
    std::array<LabelButton*, kEntries> Label5{};
    // "My Progress": in the left column's free place below "Paper Folding", styled as an entry;
    // the right column's place beside it is kept free.
    LabelButton* lblprogress = nullptr;
    // "My Class": in the right column's free place beside it, shown to a teacher only.
    LabelButton* lblmyclass = nullptr;
    LabelButton* Label6 = nullptr;
    QLabel* Label3 = nullptr;
    PictureButton* Command1 = nullptr;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    LabelButton* newEntry(int index, LabelButton* first, const char* arrayName);
    void followPointer(QWidget* label);

    QImage m_background;
};
