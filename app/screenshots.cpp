// Renders every page of the program to PNG files with the offscreen platform, so that the
// README can show the program and a newcomer on a machine without a display can see it.
//
//   vornash-screenshots <folder> [language]
//
// With a language ("de"), every page is shown in it and its file name ends in "-de".

#include "circles0.h"
#include "draws.h"
#include "folding0.h"
#include "fonts.h"
#include "intro0.h"
#include "jotter.h"
#include "language.h"
#include "module1.h"
#include "navigation.h"
#include "notepad.h"
#include "player.h"
#include "problempage.h"
#include "road.h"
#include "titlefrm.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <cstdio>

namespace {

QString g_folder;
QString g_suffix;

void save(QWidget& window, const QString& name)
{
    window.show();
    QCoreApplication::processEvents();
    const QString file = QDir(g_folder).absoluteFilePath(name + g_suffix + QStringLiteral(".png"));
    if (!window.grab().save(file))
        std::fprintf(stderr, "vornash-screenshots: cannot write %s\n", qPrintable(file));
}

// A few ticks into an animation, where the picture says more than its first frame.
void advance(Player& player, int ticks)
{
    for (int i = 0; i < ticks; ++i)
        player.Timer1_Timer();
}

void stroke(QWidget* surface, const QList<QPoint>& points)
{
    auto send = [surface](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(at), surface->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(surface, &e);
    };
    send(QEvent::MouseButtonPress, points.first(), Qt::LeftButton, Qt::LeftButton);
    for (const QPoint& p : points)
        send(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, points.last(), Qt::LeftButton, Qt::NoButton);
}

template <typename Lesson>
void lessonShots(const char* prefix, const QStringList& shapes)
{
    for (int i = 0; i < shapes.size(); ++i) {
        Lesson lesson;
        lesson.Option1[i]->click();
        lesson.Option1[i]->setFocus();
        advance(lesson.player(), Module1::framecount / 2);
        save(lesson, QStringLiteral("%1-%2").arg(QLatin1String(prefix), shapes.at(i)));
    }
}

void problemShot(ProblemPage& page, const QString& name)
{
    // Typed as the pupil writes it: with a decimal comma in a language that writes one.
    page.Text1->setText(
        QString::number(Module1::answer, 'f', 2).replace(QLatin1Char('.'), language::decimalPoint()));
    page.cmdcheckit_Click();
    advance(page.player(), 10);
    save(page, name);
}

void jotterShots(ProblemPage& page)
{
    page.cmdjotter_Click();
    jotter::notepad* pad = jotter::instance();
    if (!pad)
        return;
    pad->Label1_Click(12);
    stroke(pad, {{40, 60}, {80, 30}, {120, 60}, {160, 30}, {200, 60}});
    pad->Label1_Click(14);
    stroke(pad, {{60, 120}, {140, 120}, {140, 170}, {60, 170}, {60, 120}});
    pad->Label1_Click(15);
    stroke(pad, {{240, 150}, {300, 60}, {360, 150}, {240, 150}});
    save(*pad, QStringLiteral("jotter-landscape"));
    pad->Command3_Click();
    pad->Label11_Click(10);
    stroke(pad, {{30, 40}, {150, 40}, {90, 140}, {30, 40}});
    pad->Label11_Click(13);
    stroke(pad, {{40, 300}, {80, 260}, {120, 300}, {160, 260}});
    save(*pad, QStringLiteral("jotter-portrait"));
    jotter::close();
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: vornash-screenshots <folder> [language]\n");
        return 2;
    }
    g_folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_folder);
    if (argc == 3) {
        const QString code = QString::fromLocal8Bit(argv[2]);
        if (!language::use(code)) {
            std::fprintf(stderr, "vornash-screenshots: no translation for %s\n", argv[2]);
            return 2;
        }
        g_suffix = QLatin1Char('-') + code;
    }
    fonts::registerDesignFonts();
    road::registerAllPages();
    // Fixed draws, so that the pictures are the same from one run to the next.
    draws::setSeedFactory([] { return draws::fixed({0.55, 0.62, 0.9, 0.3}); });

    {
        Titlefrm title;
        for (int i = 0; i < 12; ++i)
            title.Timer1_Timer();
        save(title, QStringLiteral("title"));
    }
    {
        intro0 menu;
        menu.Label2_MouseMove(0);
        save(menu, QStringLiteral("menu"));
    }
    lessonShots<circles0>("circles", {QStringLiteral("circle"), QStringLiteral("sector"),
                                      QStringLiteral("triangle"), QStringLiteral("segment")});
    lessonShots<folding0>("folding", {QStringLiteral("cylinder"), QStringLiteral("torus"),
                                      QStringLiteral("mobius"), QStringLiteral("cone")});
    {
        circles page;
        problemShot(page, QStringLiteral("circles-problem"));
        jotterShots(page);
        // The next problem, answered wrongly, then its worked solution.
        page.cmdgo_Click();
        page.Text1->setText(QStringLiteral("150"));
        page.cmdcheckit_Click();
        page.cmdsoln_Click();
        advance(page.player(), 10);
        save(page, QStringLiteral("circles-solution"));
    }
    {
        // One long side for the edge of the Moebius strip: a slip the page recognises.
        folding page;
        page.Text1->setText(QStringLiteral("4"));
        page.cmdcheckit_Click();
        advance(page.player(), 10);
        save(page, QStringLiteral("folding-problem"));
    }
    std::printf("%s\n", qPrintable(QDir(g_folder).absolutePath()));
    return 0;
}
