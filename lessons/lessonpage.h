#pragma once
// What the two lesson pages share: a column of four option buttons in a frame, the sentence
// label, the "Problems Page" link, the exit button and the animation player. Choosing a shape
// is each page's own affair (Option1_Click); a page calls Form_Load at the end of its
// constructor, once its own controls exist.

#include "page.h"
#include "sequences.h"

#include <QStringList>

class PictureBox;
class LabelButton;
class MediaBar;
class PictureButton;
class Player;
class QButtonGroup;
class QFrame;
class QLabel;
class QRadioButton;
class QTimer;

class LessonPage : public Page {
    Q_OBJECT
public:
    static constexpr int shapeCount = 4;

    void Form_Load();
    virtual void Option1_Click(int index) = 0;
    void Label15_Click();
    void cmdexit_Click();
    void Timer1_Timer();

    Player& player() const { return *m_player; }
    // The option button now selected, or -1 before Form_Load.
    int selectedShape() const;

    QRadioButton* Option1[shapeCount] = {};
    QFrame* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    LabelButton* Label15 = nullptr;
    PictureButton* cmdexit = nullptr;
    PictureBox* Image2 = nullptr;
    QTimer* Timer1 = nullptr;
    MediaBar* MMControl1 = nullptr;
    QLabel* Label3 = nullptr;

protected:
    struct Design {
        QString caption;
        QString problemPage;
        QStringList shapes;
        int optionWidth = 0;  // twips
        int frameWidth = 0;   // twips
        int sentenceTop = 0;  // twips
        int sentenceHeight = 0; // twips
    };

    LessonPage(const Design& design, QWidget* parent);

    // The sentence label's text and, through the player, the shape's frames.
    void startShape(const QString& sentence, sequences::Id animation);

private:
    void leave();

    Player* m_player = nullptr;
    QButtonGroup* m_options = nullptr;
    QString m_problemPage;
};
