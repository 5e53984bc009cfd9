#pragma once
// The animation player that an animated page carries: the picture box Image2, the timer Timer1,
// the media bar MMControl1 and the "Full Screen" label Label3, made on the page at their
// places. The sequence on show lives in Module1 (smallstem, frameext, framecount, framenum),
// shared by every animated page; the player keeps no copy of it.

#include "mediabar.h"
#include "sequences.h"

#include <QObject>
#include <QString>

class PictureBox;
class QLabel;
class QTimer;
class QWidget;

class Player : public QObject {
    Q_OBJECT
public:
    explicit Player(QWidget& host);

    // Selects a sequence and runs it from frame 0. The bar's buttons stay as they are.
    void StartSequence(const QString& stem, const QString& ext, int count);
    // The same for a sequence of the table, whose description the animation box then carries
    // for screen readers.
    void StartSequence(const sequences::Sequence& sequence);
    // Shows frame framenum. A frame that cannot be read leaves the last good one on show.
    void ShowFrame();

    void Timer1_Timer();
    void StepForward();
    void StepBack();
    void Play();
    void Pause();

    // The design name of the frame file last asked for (empty before the first).
    const QString& lastFrameFile() const { return m_lastFrameFile; }

    PictureBox* Image2 = nullptr;
    QTimer* Timer1 = nullptr;
    MediaBar* MMControl1 = nullptr;
    QLabel* Label3 = nullptr;

protected:
    // Keys on the picture: Space plays or pauses, Right and Left step, each only when its
    // button on the bar could be clicked.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void barClicked(MediaBar::Button button);

    QString m_lastFrameFile;
};
