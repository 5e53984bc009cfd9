// Renders every page of the program to PNG files with the offscreen platform, so that the
// README can show the program and a newcomer on a machine without a display can see it.
//
//   vornash-screenshots <folder> [language]
//   vornash-screenshots --example-record <file>
//
// With a language ("de"), every page is shown in it and its file name ends in "-de". The second
// form writes the example pupil's record of the progress page's pictures to <file> and ends, so
// that the program itself can be shown over it (XDG_DATA_HOME=<folder>, file
// <folder>/vornash/progress.sqlite).

#include "circles0.h"
#include "draws.h"
#include "folding0.h"
#include "fonts.h"
#include "intro0.h"
#include "journal.h"
#include "jotter.h"
#include "language.h"
#include "module1.h"
#include "myprogress.h"
#include "navigation.h"
#include "notepad.h"
#include "player.h"
#include "problempage.h"
#include "road.h"
#include "store.h"
#include "titlefrm.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QRandomGenerator>
#include <QTemporaryDir>
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

// Two weeks of a pupil's work, drawn from a fixed seed: most days a few problems, the early
// kinds of each module going well, the segment and the cone still hard.
bool writeExampleRecord(const QString& path)
{
    record::Store store(path);
    if (store.status() != record::Store::Status::Open)
        return false;
    QRandomGenerator random(7);
    const char* slips[2][6] = {{"c0.diam", "c1.nosq", "c2.arc", "c3.rad", "c4.nohalf", "c5.hr"},
                               {"f0.diam", "f1.sum", "f2.sum", "f3.one", "f4.sum", "f5.rad"}};
    const double chance[2][6] = {{0.9, 0.8, 0.7, 0.55, 0.5, 0.25}, {0.85, 0.8, 0.75, 0.5, 0.6, 0.3}};
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QList<record::Event> events;
    for (int day = 13; day >= 0; --day) {
        if (day % 5 == 3)
            continue; // a day off
        const int problems = 3 + int(random.bounded(8));
        for (int i = 0; i < problems; ++i) {
            const int m = int(random.bounded(2));
            const int type = int(random.bounded(day > 8 ? 3 : 6));
            record::Event shown = record::makeEvent(record::Kind::Shown);
            shown.time = now.addDays(-day).addSecs(-3600 + i * 90);
            shown.problem = shown.id;
            shown.module = m == 0 ? record::Module::Circles : record::Module::Folding;
            shown.type = type;
            shown.question = QStringLiteral("example");
            events << shown;
            for (int attempt = 0; attempt < 3; ++attempt) {
                record::Event check = shown;
                check.id = QUuid::createUuid();
                check.kind = record::Kind::Check;
                check.time = shown.time.addSecs(20 + attempt * 15);
                check.firstTry = attempt == 0;
                check.right = random.generateDouble() < chance[m][type] + 0.1 * attempt;
                check.typed = check.right ? QStringLiteral("12.57") : QStringLiteral("25.13");
                if (!check.right)
                    check.slips = QStringList{QLatin1String(slips[m][type])};
                check.seconds = 20.0 + attempt * 15;
                check.language = QStringLiteral("en");
                events << check;
                if (check.right)
                    break;
            }
        }
    }
    return store.append(events);
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--example-record") == 0) {
        const QString file = QString::fromLocal8Bit(argv[2]);
        QDir().mkpath(QFileInfo(file).absolutePath());
        return writeExampleRecord(file) ? 0 : 1;
    }
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: vornash-screenshots <folder> [language] | --example-record <file>\n");
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
    {
        // The progress page over an example record in a data folder of its own, and practice.
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        if (writeExampleRecord(record::defaultPath())) {
            record::Journal journal(record::defaultPath());
            record::setJournal(&journal);
            journal.load();
            journal.flush();
            {
                myprogress page;
                // An example pupil's name in place of the account's.
                page.lblname->setText(page.lblname->text().replace(record::pupilName(),
                                                                   QStringLiteral("Anna Weber")));
                save(page, QStringLiteral("progress"));
            }
            {
                folding page(ProblemPage::Mode::Practice);
                problemShot(page, QStringLiteral("folding-practice"));
            }
            record::setJournal(nullptr);
        } else {
            std::fprintf(stderr, "vornash-screenshots: cannot write the example record\n");
        }
    }
    std::printf("%s\n", qPrintable(QDir(g_folder).absolutePath()));
    return 0;
}
