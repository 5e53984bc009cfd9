// Runs the probes again and again on the window system of $DISPLAY and prints the table of
// figures: each with its median and spread over the runs, beside a reference measured in the
// same run, so that the ratio holds even while the machine is busy with other work.
//
//   vornash-bench [--runs N] [--start-runs N] [--animation-runs N] [--seconds S]
//                 [--artwork "s s s"] [--clean-build s] [--machine text] [--classroom SERVICE]
//                 [--pupil SERVICE]

#include "measure.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QFile>

#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

namespace {

using Values = std::vector<double>;
using Output = QMap<QString, Values>;

QString binFolder()
{
    return QCoreApplication::applicationDirPath();
}

// Runs one probe and collects its "key value" lines. `launched` receives the launch instant.
std::optional<Output> runProbe(const QString& program, const QStringList& args,
                               qint64* launched = nullptr, QStringList* otherLines = nullptr,
                               const QString& scaleFactor = QString())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    if (!scaleFactor.isEmpty())
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), scaleFactor);
    process.setProcessEnvironment(env);
    // Started from the home folder, as from a desktop, not from beside the pictures.
    process.setWorkingDirectory(QDir::homePath());
    process.setProcessChannelMode(QProcess::SeparateChannels);
    if (launched)
        *launched = bench::nowNs();
    process.start(QDir(binFolder()).absoluteFilePath(program), args);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        std::fprintf(stderr, "vornash-bench: %s %s failed: %s\n", qPrintable(program),
                     qPrintable(args.join(QLatin1Char(' '))),
                     process.readAllStandardError().constData());
        return std::nullopt;
    }
    Output out;
    const QStringList lines = QString::fromLocal8Bit(process.readAllStandardOutput())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const QStringList parts = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        bool number = false;
        const double value = parts.size() == 2 ? parts[1].toDouble(&number) : 0.0;
        if (number)
            out[parts[0]].push_back(value);
        else if (otherLines)
            *otherLines << line;
    }
    return out;
}

// Runs a probe up to `runs` times, handing each run's figures to `take`; a run that fails sets
// `failed` and ends them.
void eachRun(int runs, const QString& program, const QStringList& args, bool& failed,
             const std::function<void(const Output&)>& take)
{
    for (int i = 0; i < runs && !failed; ++i) {
        const auto out = runProbe(program, args);
        if (!out)
            failed = true;
        else
            take(*out);
    }
}

double first(const Output& out, const QString& key)
{
    const Values values = out.value(key);
    return values.empty() ? 0.0 : values.front();
}

void progress(const char* what)
{
    std::fprintf(stderr, "vornash-bench: %s\n", what);
}

struct Row {
    Row(QString name, QString measuredIn)
        : figure(std::move(name)), unit(std::move(measuredIn))
    {
    }

    QString figure;
    QString unit;
    Values values;          // one per run
    Values references;      // one per run, or empty
    QString referenceText;  // when the reference is not measured
    Values ratios;          // one per run, figure over reference in that run
    QString budget;
    bool met = true;
};

QString number(double v, const QString& unit)
{
    const int decimals = qAbs(v) >= 100 ? 0 : (qAbs(v) >= 10 ? 1 : 2);
    return QString::number(v, 'f', decimals) + (unit.isEmpty() ? QString() : QLatin1Char(' ') + unit);
}

QString spread(const Values& v, const QString& unit)
{
    if (v.size() < 2)
        return QStringLiteral("one run");
    return number(bench::minimum(v), QString()) + QStringLiteral(" – ") + number(bench::maximum(v), unit);
}

void printTable(const std::vector<Row>& rows)
{
    std::printf("| figure | median | spread (min – max) | reference, same run | ratio (median) | budget | met |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    for (const Row& r : rows) {
        const QString reference = r.references.empty()
            ? r.referenceText
            : number(bench::median(r.references), r.unit);
        const QString ratio = r.ratios.empty()
            ? QStringLiteral("–")
            : QString::number(bench::median(r.ratios), 'f', 2) + QStringLiteral(" ×");
        std::printf("| %s | %s | %s | %s | %s | %s | %s |\n", qPrintable(r.figure),
                    r.values.empty() ? "not measured" : qPrintable(number(bench::median(r.values), r.unit)),
                    qPrintable(spread(r.values, r.unit)), qPrintable(reference), qPrintable(ratio),
                    qPrintable(r.budget), r.values.empty() ? "–" : (r.met ? "yes" : "**no**"));
    }
}

Values ratiosOf(const Values& a, const Values& b)
{
    Values out;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        out.push_back(b[i] > 0 ? a[i] / b[i] : 0.0);
    return out;
}

Values parseSeconds(const QString& text)
{
    Values out;
    for (const QString& part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        out.push_back(part.toDouble());
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption runsOpt(QStringLiteral("runs"), QStringLiteral("Runs of the step, switch, check and memory figures."), QStringLiteral("n"), QStringLiteral("5"));
    const QCommandLineOption startOpt(QStringLiteral("start-runs"), QStringLiteral("Start-ups of each program."), QStringLiteral("n"), QStringLiteral("15"));
    const QCommandLineOption animOpt(QStringLiteral("animation-runs"), QStringLiteral("Runs of each animated page."), QStringLiteral("n"), QStringLiteral("3"));
    const QCommandLineOption secondsOpt(QStringLiteral("seconds"), QStringLiteral("Length of one animation run."), QStringLiteral("s"), QStringLiteral("10"));
    const QCommandLineOption artworkOpt(QStringLiteral("artwork"), QStringLiteral("Seconds of each artwork run, measured by the caller."), QStringLiteral("list"));
    const QCommandLineOption cleanOpt(QStringLiteral("clean-build"), QStringLiteral("Seconds of the clean build and test, measured by the caller."), QStringLiteral("s"));
    const QCommandLineOption machineOpt(QStringLiteral("machine"), QStringLiteral("Description of the machine."), QStringLiteral("text"));
    const QCommandLineOption classOpt(QStringLiteral("classroom"), QStringLiteral("The libpq service of a teacher of 30 pupils with 500 checks each (bench/run.sh makes it)."), QStringLiteral("service"));
    const QCommandLineOption pupilOpt(QStringLiteral("pupil"), QStringLiteral("The libpq service of a pupil on the same server, for the sender's figures."), QStringLiteral("service"));
    parser.addOptions({runsOpt, startOpt, animOpt, secondsOpt, artworkOpt, cleanOpt, machineOpt, classOpt, pupilOpt});
    parser.process(app);
    const int runs = qMax(1, parser.value(runsOpt).toInt());
    const int startRuns = qMax(1, parser.value(startOpt).toInt());
    const int animationRuns = qMax(1, parser.value(animOpt).toInt());
    const double seconds = qMax(1.0, parser.value(secondsOpt).toDouble());
    const QString probe = QStringLiteral("vornash-bench-probe");
    const QString bare = QStringLiteral("vornash-bench-bare");
    std::vector<Row> rows;
    bool failed = false;

    // The pupil's record that every probe finds: 10,000 checks, in a folder of the benchmark's
    // own, so that a pupil's real record is never touched.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    {
        progress("a record of 10,000 checks");
        Row row{QStringLiteral("record file, bytes a check (10,000 checks)"), QStringLiteral("B")};
        row.referenceText = QStringLiteral("–");
        row.budget = QStringLiteral("≤ 400 B");
        const auto out = runProbe(probe, {QStringLiteral("fill"), QStringLiteral("10000")});
        if (!out)
            failed = true;
        else
            row.values.push_back(first(*out, QStringLiteral("bytes_per_check")));
        row.met = !row.values.empty() && row.values.front() <= 400.0;
        rows.push_back(row);
    }

    // Start-up, with that record present: the program and the bare window take turns, each
    // going first half the time.
    {
        progress("start-up");
        Row row{QStringLiteral("start-up to the first title picture painted, record present"), QStringLiteral("ms")};
        row.budget = QStringLiteral("≤ 1.2 × reference, ≤ 120 ms");
        for (int i = 0; i < startRuns && !failed; ++i) {
            double program = 0, reference = 0;
            for (int turn = 0; turn < 2; ++turn) {
                const bool programTurn = (turn == 0) == (i % 2 == 0);
                qint64 launched = 0;
                const auto out = runProbe(programTurn ? probe : bare, {QStringLiteral("start")}, &launched);
                if (!out || out->value(QStringLiteral("painted_ns")).empty()) {
                    failed = true;
                    break;
                }
                const double ms = (out->value(QStringLiteral("painted_ns")).front() - double(launched)) / 1e6;
                (programTurn ? program : reference) = ms;
            }
            if (!failed) {
                row.values.push_back(program);
                row.references.push_back(reference);
            }
        }
        row.ratios = ratiosOf(row.values, row.references);
        row.met = bench::median(row.values) <= 120.0 && bench::median(row.ratios) <= 1.2;
        rows.push_back(row);
    }

    // One player step against the same file decoded and painted at the size shown by a bare
    // window.
    QStringList sequenceLines;
    {
        progress("player steps");
        // Every frame of every sequence: on this screen, the frames at the size they are shown;
        // on a screen of twice the density, their 648 x 488 copies.
        Row step{QStringLiteral("one player step, every frame of every sequence "
                                "(reference: decode + paint at the size shown)"),
                 QStringLiteral("ms")};
        step.budget = QStringLiteral("≤ 1.5 × reference");
        Row dense{QStringLiteral("one player step, twice the density, 648 × 488 copies "
                                 "(reference: decode + paint at the size shown)"),
                  QStringLiteral("ms")};
        dense.budget = QStringLiteral("≤ 1.5 × reference, ≤ 1.5 ms");
        for (int i = 0; i < runs && !failed; ++i) {
            QStringList lines;
            const auto out = runProbe(probe, {QStringLiteral("step")}, nullptr, &lines);
            const auto denseOut = runProbe(probe, {QStringLiteral("step")}, nullptr, nullptr,
                                           QStringLiteral("2"));
            if (!out || !denseOut) {
                failed = true;
                break;
            }
            if (i == 0)
                sequenceLines = lines;
            step.values.push_back(first(*out, QStringLiteral("step_ms")));
            step.references.push_back(first(*out, QStringLiteral("decode_and_paint_ms")));
            dense.values.push_back(first(*denseOut, QStringLiteral("step648_ms")));
            dense.references.push_back(first(*denseOut, QStringLiteral("decode_and_paint648_ms")));
        }
        step.ratios = ratiosOf(step.values, step.references);
        dense.ratios = ratiosOf(dense.values, dense.references);
        step.met = bench::median(step.ratios) <= 1.5;
        dense.met = bench::median(dense.ratios) <= 1.5 && bench::median(dense.values) <= 1.5;
        rows.push_back(step);
        rows.push_back(dense);
    }

    // Timer fidelity and CPU on every animated page.
    for (const char* page : {"Titlefrm", "circles0", "folding0", "circles", "folding"}) {
        if (failed)
            break;
        std::fprintf(stderr, "vornash-bench: animation on %s\n", page);
        Row rate{QStringLiteral("ticks per second, %1").arg(QLatin1String(page)), QString()};
        Row p99{QStringLiteral("99th percentile tick interval, %1").arg(QLatin1String(page)), QStringLiteral("ms")};
        Row cpu{QStringLiteral("CPU while animating, %1").arg(QLatin1String(page)), QStringLiteral("% of a core")};
        rate.referenceText = QStringLiteral("20 (nominal 50 ms)");
        p99.referenceText = QStringLiteral("50 ms nominal");
        cpu.referenceText = QStringLiteral("–");
        rate.budget = QStringLiteral("20.0 ± 0.2");
        p99.budget = QStringLiteral("≤ 56 ms");
        cpu.budget = QStringLiteral("≤ 4 %");
        eachRun(animationRuns, probe, {QStringLiteral("animate"), QLatin1String(page), QString::number(seconds)}, failed, [&](const Output& out) {
            rate.values.push_back(first(out, QStringLiteral("ticks_per_s")));
            p99.values.push_back(first(out, QStringLiteral("interval_p99_ms")));
            p99.ratios.push_back(first(out, QStringLiteral("interval_median_ms")) / 50.0);
            cpu.values.push_back(first(out, QStringLiteral("cpu_percent")));
        });
        rate.met = qAbs(bench::median(rate.values) - 20.0) <= 0.2;
        p99.met = bench::median(p99.values) <= 56.0;
        cpu.met = bench::median(cpu.values) <= 4.0;
        rows.push_back(rate);
        rows.push_back(p99);
        rows.push_back(cpu);
    }

    // Page switches.
    {
        progress("page switches");
        Row problems{QStringLiteral("page switch, \"Problems Page\" to the problem page painted"), QStringLiteral("ms")};
        Row menu{QStringLiteral("page switch, exit button to the menu painted"), QStringLiteral("ms")};
        problems.referenceText = menu.referenceText = QStringLiteral("–");
        problems.budget = menu.budget = QStringLiteral("≤ 50 ms");
        eachRun(runs, probe, {QStringLiteral("switch"), QStringLiteral("5")}, failed, [&](const Output& out) {
            problems.values.push_back(bench::median(out.value(QStringLiteral("problems_ms"))));
            menu.values.push_back(bench::median(out.value(QStringLiteral("menu_ms"))));
        });
        problems.met = bench::median(problems.values) <= 50.0;
        menu.met = bench::median(menu.values) <= 50.0;
        rows.push_back(problems);
        rows.push_back(menu);
    }

    // A wrong answer checked: the verdict and the feedback on the screen.
    {
        progress("checks");
        Row check{QStringLiteral("check, click to verdict and feedback painted, record included"), QStringLiteral("ms")};
        check.referenceText = QStringLiteral("–");
        check.budget = QStringLiteral("≤ 2 ms");
        Row committed{QStringLiteral("check, click to committed to the record's file"), QStringLiteral("ms")};
        committed.referenceText = QStringLiteral("–");
        committed.budget = QStringLiteral("≤ 100 ms");
        eachRun(runs, probe, {QStringLiteral("check"), QStringLiteral("5")}, failed, [&](const Output& out) {
            check.values.push_back(bench::median(out.value(QStringLiteral("check_ms"))));
            if (!out.value(QStringLiteral("committed_ms")).empty())
                committed.values.push_back(bench::median(out.value(QStringLiteral("committed_ms"))));
        });
        check.met = bench::median(check.values) <= 2.0;
        rows.push_back(check);
        committed.met = !committed.values.empty() && bench::median(committed.values) <= 100.0;
        rows.push_back(committed);
    }

    // The progress page over the record of 10,000 checks, which the whole road below visits too.
    {
        progress("progress page");
        Row row{QStringLiteral("progress page, \"My Progress\" to painted, 10,000 checks"), QStringLiteral("ms")};
        row.referenceText = QStringLiteral("–");
        row.budget = QStringLiteral("≤ 100 ms");
        eachRun(runs, probe, {QStringLiteral("progress"), QStringLiteral("5")}, failed, [&](const Output& out) {
            row.values.push_back(bench::median(out.value(QStringLiteral("progress_ms"))));
        });
        row.met = bench::median(row.values) <= 100.0;
        rows.push_back(row);
    }

    // The teacher's page over a class on a PostgreSQL server of its own.
    if (parser.isSet(classOpt)) {
        progress("the teacher's page");
        Row row{QStringLiteral("class page, 30 pupils × 500 checks, opened to the table painted"), QStringLiteral("ms")};
        row.referenceText = QStringLiteral("–");
        row.budget = QStringLiteral("≤ 200 ms");
        eachRun(runs, probe, {QStringLiteral("class"), QStringLiteral("5"), parser.value(classOpt)}, failed, [&](const Output& out) {
            row.values.push_back(bench::median(out.value(QStringLiteral("class_ms"))));
        });
        row.met = bench::median(row.values) <= 200.0;
        rows.push_back(row);
    }

    // The sender: queued checks to the school's server over its Unix socket, and a pupil's
    // check while it sends.
    if (parser.isSet(pupilOpt)) {
        progress("the sender");
        Row send{QStringLiteral("1,000 queued checks sent to the server (Unix socket)"), QStringLiteral("ms")};
        send.referenceText = QStringLiteral("–");
        send.budget = QStringLiteral("≤ 500 ms");
        Row check{QStringLiteral("check while sending, click to verdict and feedback painted"), QStringLiteral("ms")};
        check.budget = QStringLiteral("≤ 2 ms");
        eachRun(runs, probe, {QStringLiteral("send"), QStringLiteral("5"), parser.value(pupilOpt)}, failed, [&](const Output& out) {
            send.values.push_back(bench::median(out.value(QStringLiteral("send_ms"))));
            check.values.push_back(bench::median(out.value(QStringLiteral("check_sending_ms"))));
            check.references.push_back(bench::median(out.value(QStringLiteral("check_idle_ms"))));
        });
        check.ratios = ratiosOf(check.values, check.references);
        send.met = bench::median(send.values) <= 500.0;
        check.met = bench::median(check.values) <= 2.0;
        rows.push_back(send);
        rows.push_back(check);
    }

    // Memory over the whole road against the bare window.
    {
        progress("memory over the whole road");
        Row row{QStringLiteral("peak resident memory, the whole road"), QStringLiteral("MB")};
        Row above{QStringLiteral("peak resident memory above the reference"), QStringLiteral("MB")};
        row.budget = QStringLiteral("≤ 45 MB");
        above.budget = QStringLiteral("≤ 20 MB");
        above.referenceText = QStringLiteral("(difference)");
        for (int i = 0; i < runs && !failed; ++i) {
            const auto program = runProbe(probe, {QStringLiteral("road")});
            const auto reference = runProbe(bare, {QStringLiteral("memory")});
            if (!program || !reference) {
                failed = true;
                break;
            }
            const double p = first(*program, QStringLiteral("peak_rss_mb"));
            const double r = first(*reference, QStringLiteral("peak_rss_mb"));
            row.values.push_back(p);
            row.references.push_back(r);
            above.values.push_back(p - r);
        }
        row.ratios = ratiosOf(row.values, row.references);
        row.met = bench::median(row.values) <= 45.0;
        above.met = bench::median(above.values) <= 20.0;
        rows.push_back(row);
        rows.push_back(above);
    }

    {
        Row artwork{QStringLiteral("artwork, every picture drawn, 2 cores"), QStringLiteral("s")};
        artwork.values = parseSeconds(parser.value(artworkOpt));
        artwork.referenceText = QStringLiteral("–");
        artwork.budget = QStringLiteral("≤ 30 s");
        artwork.met = bench::median(artwork.values) <= 30.0;
        rows.push_back(artwork);
        Row clean{QStringLiteral("clean build and test"), QStringLiteral("s")};
        clean.values = parseSeconds(parser.value(cleanOpt));
        clean.referenceText = QStringLiteral("–");
        clean.budget = QStringLiteral("≤ 240 s");
        clean.met = bench::median(clean.values) <= 240.0;
        rows.push_back(clean);
    }

    if (parser.isSet(machineOpt))
        std::printf("Machine: %s\n\n", qPrintable(parser.value(machineOpt)));
    std::printf("Runs: %d start-ups of each program; %d runs of the step, switch and memory figures; "
                "%d runs of %.0f s on each animated page.\n\n", startRuns, runs, animationRuns, seconds);
    printTable(rows);
    if (!sequenceLines.isEmpty()) {
        std::printf("\nPlayer step by sequence (first run, medians):\n\n");
        for (const QString& line : sequenceLines)
            std::printf("    %s\n", qPrintable(line));
    }
    if (failed)
        std::fprintf(stderr, "vornash-bench: a probe failed; the table is incomplete\n");
    return failed ? 1 : 0;
}
