#include "myprogress.h"

#include "dayschart.h"
#include "feedback.h"
#include "fonts.h"
#include "journal.h"
#include "language.h"
#include "module1.h"
#include "navigation.h"
#include "pageparts.h"
#include "picturebutton.h"
#include "sender.h"
#include "statestrip.h"
#include "store.h"
#include "textfit.h"

#include <QDir>
#include <atomic>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>

namespace {

using pageparts::kTahoma;
constexpr int kDays = 14;
constexpr int kSlips = 3;

// A damaged file moved aside is told once a run, on the first page that opens after it.
QString& toldMovedAside()
{
    static QString told;
    return told;
}

record::Module moduleAt(int index)
{
    return index == 0 ? record::Module::Circles : record::Module::Folding;
}

} // namespace

myprogress::myprogress(QWidget* parent)
    : Page(parent)
    , m_locale(language::locale())
{
    setObjectName(QStringLiteral("myprogress"));
    setWindowTitle(tr("My Progress"));

    lblname = pageparts::label(this, "lblname", 18, true);
    pageprops::setGeometry(*lblname, 360, 120, 11280, 540);
    lblwhy = pageparts::label(this, "lblwhy", 11);
    lblwhy->setWordWrap(true);
    pageprops::setGeometry(*lblwhy, 360, 690, 11280, 600);

    const QString modules[] = {tr("Circles"), tr("Paper Folding")};
    for (int i = 0; i < 2; ++i) {
        const int top = 1320 + i * 3030;
        lblmodule[i] = pageparts::label(this, i == 0 ? "lblmodule0" : "lblmodule1", 13, true);
        lblmodule[i]->setText(modules[i]);
        pageprops::setGeometry(*lblmodule[i], 360, top, 3900, 420);

        cmdpractise[i] = pageparts::button(this, i == 0 ? "cmdpractise0" : "cmdpractise1",
                                    tr("Practise weak spots"));
        cmdpractise[i]->setToolTip(tr("Problems of %1, the kinds you need most first").arg(modules[i]));
        pageprops::setGeometry(*cmdpractise[i], 4380, top - 30, 2880, 420);
        connect(cmdpractise[i], &QPushButton::clicked, this, [this, i] { cmdpractise_Click(i); });

        auto* table = new QTableWidget(6, 4, this);
        table->setObjectName(i == 0 ? QStringLiteral("tblcircles") : QStringLiteral("tblfolding"));
        table->setAccessibleName(tr("Kinds of problem in %1").arg(modules[i]));
        table->setHorizontalHeaderLabels(
            {tr("Kind of problem"), tr("State"), tr("Last ten first tries"), tr("Right")});
        table->verticalHeader()->hide();
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        // Tab leaves the table; the arrows move within it.
        table->setTabKeyNavigation(false);
        table->setFont(fonts::design(kTahoma, 9));
        table->horizontalHeader()->setFont(fonts::design(kTahoma, 9, true));
        table->verticalHeader()->setDefaultSectionSize(20);
        table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        table->setColumnWidth(1, 100);
        table->setColumnWidth(2, 120);
        table->setColumnWidth(3, 56);
        table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        pageprops::setGeometry(*table, 360, top + 450, 7200, 2220);
        // Exactly its six rows high.
        table->setFixedHeight(table->horizontalHeader()->sizeHint().height() + 6 * 20
                              + 2 * table->frameWidth());
        tbltypes[i] = table;
    }

    lblchart = pageparts::label(this, "lblchart", 13, true);
    lblchart->setText(tr("The last 14 days"));
    pageprops::setGeometry(*lblchart, 7800, 1320, 3840, 420);
    chart = new DaysChart(this);
    chart->setFont(fonts::design(kTahoma, 8));
    pageprops::setGeometry(*chart, 7800, 1770, 3900, 3000);

    lblslipshead = pageparts::label(this, "lblslipshead", 13, true);
    lblslipshead->setText(tr("Your most frequent slips"));
    pageprops::setGeometry(*lblslipshead, 7800, 4950, 3840, 420);
    lblslips = pageparts::label(this, "lblslips", 10);
    lblslips->setWordWrap(true);
    pageprops::setGeometry(*lblslips, 7800, 5400, 3840, 2400);

    lblclass = pageparts::label(this, "lblclass", 9);
    lblclass->setWordWrap(true);
    pageprops::setGeometry(*lblclass, 2040, 7950, 4260, 495);
    lblclass->hide();
    if (record::Sender* sender = record::sender())
        connect(sender, &record::Sender::statusChanged, this, &myprogress::showClassState);

    cmdexport = pageparts::button(this, "cmdexport", tr("Export\u2026"));
    cmdexport->setToolTip(tr("Save your checks as a CSV file"));
    pageprops::setGeometry(*cmdexport, 6450, 7950, 2550, 495);
    cmdforget = pageparts::button(this, "cmdforget", tr("Forget my record"));
    cmdforget->setToolTip(tr("Delete everything recorded about your work"));
    pageprops::setGeometry(*cmdforget, 9150, 7950, 2550, 495);

    cmdexit = pageparts::exitButton(this, tr("Exit"));

    connect(cmdexport, &QPushButton::clicked, this, &myprogress::cmdexport_Click);
    connect(cmdforget, &QPushButton::clicked, this, &myprogress::cmdforget_Click);
    connect(cmdexit, &QPushButton::clicked, this, &myprogress::cmdexit_Click);
    // Closing the page's window is the same as its exit button.
    setCloseHandler([this] { cmdexit_Click(); });

    Form_Load();
}

void myprogress::Form_Load()
{
    Module1::PrepareForm(*this);
    // Here the exit button is in the Tab order, after everything else on the page.
    cmdexit->setFocusPolicy(Qt::StrongFocus);
    const QWidget* order[] = {cmdpractise[0], tbltypes[0], cmdpractise[1], tbltypes[1],
                              chart,          cmdexport,   cmdforget,      cmdexit};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
    showRecord();
    textfit::fitAll(*this);
    cmdpractise[0]->setFocus();
}

void myprogress::showNothing(const QString& why)
{
    lblwhy->setText(why);
    lblwhy->show();
    for (QWidget* w : std::initializer_list<QWidget*>{tbltypes[0], tbltypes[1], lblchart, chart,
                                                      lblslipshead, lblslips, cmdexport,
                                                      cmdforget})
        w->hide();
}

void myprogress::showRecord()
{
    record::Journal* journal = record::journal();
    lblname->setText(tr("My Progress: %1").arg(record::pupilName()));
    if (!journal) {
        const QString why = record::disabledReason();
        showNothing(why.isEmpty() ? tr("Nothing is recorded: the record is turned off.") : why);
        return;
    }
    // What was posted a moment ago is in the file before the page reads it.
    journal->flush();
    const record::Store store(journal->path());
    if (store.status() == record::Store::Status::Unusable) {
        showNothing(journal->problem().isEmpty() ? store.why() : journal->problem());
        return;
    }

    QStringList notes;
    if (!journal->problem().isEmpty())
        notes << journal->problem();
    const QString moved = journal->movedAside();
    if (!moved.isEmpty() && toldMovedAside() != moved) {
        toldMovedAside() = moved;
        notes << moved;
    }
    lblwhy->setText(notes.join(QLatin1Char(' ')));
    lblwhy->setVisible(!notes.isEmpty());

    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int i = 0; i < 2; ++i)
        showModule(i, store.progress(moduleAt(i), now));
    chart->setDays(store.lastDays(kDays, QDate::currentDate()), m_locale);

    QStringList slips;
    for (const record::SlipCount& slip : store.topSlips(kSlips)) {
        const QString words = problems::slipTitle(slip.id);
        slips << (slip.count == 1 ? tr("%1: once").arg(words)
                                  : tr("%1: %2 times").arg(words, m_locale.toString(slip.count)));
    }
    lblslips->setText(slips.isEmpty() ? tr("No slips so far.") : slips.join(QLatin1Char('\n')));
    const bool writable = store.status() == record::Store::Status::Open;
    cmdforget->setEnabled(writable);
    showClassState();
}

void myprogress::showClassState()
{
    const record::Sender* sender = record::sender();
    const QString sentence = sender ? sender->stateSentence() : QString();
    lblclass->setText(sentence);
    lblclass->setVisible(!sentence.isEmpty());
    textfit::fit(*lblclass);
}

void myprogress::showModule(int index, const record::ModuleProgress& progress)
{
    QTableWidget* table = tbltypes[index];
    for (int type = 0; type < 6; ++type) {
        const record::TypeProgress& t = progress[std::size_t(type)];
        auto* name = new QTableWidgetItem(record::typeName(moduleAt(index), type));
        auto* state = new QTableWidgetItem(record::stateName(t.state));
        state->setBackground(StateStrip::colour(t.state));
        state->setForeground(Qt::black);
        QString marks;
        QStringList spoken;
        for (bool right : t.lastTen) {
            marks += right ? QStringLiteral("\u2713") : QStringLiteral("\u2717");
            spoken << (right ? tr("right") : tr("wrong"));
        }
        auto* last = new QTableWidgetItem(marks);
        last->setData(Qt::AccessibleTextRole,
                      spoken.isEmpty() ? tr("none yet") : spoken.join(QStringLiteral(", ")));
        QString share = QStringLiteral("\u2013");
        if (t.firstTries > 0) {
            share = tr("%1%", "share of first tries right")
                        .arg(m_locale.toString(100.0 * t.firstTriesRight / t.firstTries, 'f', 0));
        }
        auto* right = new QTableWidgetItem(share);
        right->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(type, 0, name);
        table->setItem(type, 1, state);
        table->setItem(type, 2, last);
        table->setItem(type, 3, right);
    }
}

void myprogress::cmdpractise_Click(int module)
{
    navigation::show(module == 0 ? QStringLiteral("circles-practice")
                                 : QStringLiteral("folding-practice"));
    unload();
}

bool myprogress::exportTo(const QString& file)
{
    record::Journal* journal = record::journal();
    if (!journal)
        return false;
    journal->flush();
    const record::Store store(journal->path());
    if (store.status() == record::Store::Status::Unusable)
        return false;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (!record::writeChecksCsv(store.events(), out)) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

void myprogress::cmdexport_Click()
{
    // Qt's own dialog, its words in the language in use.
    QFileDialog dialog(this, tr("Export my record"),
                       QDir::home().filePath(tr("my-progress") + QStringLiteral(".csv")),
                       tr("CSV files (*.csv)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setLabelText(QFileDialog::LookIn, tr("Look in:"));
    dialog.setLabelText(QFileDialog::FileName, tr("File name:"));
    dialog.setLabelText(QFileDialog::FileType, tr("Files of type:"));
    dialog.setLabelText(QFileDialog::Accept, tr("Save"));
    dialog.setLabelText(QFileDialog::Reject, tr("Cancel"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString file = dialog.selectedFiles().constFirst();
    if (!exportTo(file)) {
        QMessageBox::warning(this, tr("Export\u2026"),
                             tr("Your record could not be written to %1.")
                                 .arg(QDir::toNativeSeparators(file)));
    }
}

void myprogress::forget()
{
    record::Journal* journal = record::journal();
    if (!journal)
        return;
    // Told on the writer's thread, while this one waits for it in flush().
    std::atomic<bool> done = false;
    const auto told = connect(
        journal, &record::Journal::forgotten, this, [&done](bool ok) { done = ok; },
        Qt::DirectConnection);
    journal->forget();
    journal->flush();
    disconnect(told);
    showRecord();
    if (!done) {
        lblwhy->setText(tr("Your record could not be deleted."));
        lblwhy->show();
    }
}

void myprogress::cmdforget_Click()
{
    QMessageBox box(QMessageBox::Question, tr("Forget my record"),
                    tr("Delete everything recorded about your work? This cannot be undone."),
                    QMessageBox::NoButton, this);
    // Buttons of our own words: the toolkit's Yes and No would stay English.
    QPushButton* remove = box.addButton(tr("Delete"), QMessageBox::DestructiveRole);
    QPushButton* keep = box.addButton(tr("Keep"), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    if (box.clickedButton() == remove)
        forget();
}

void myprogress::cmdexit_Click()
{
    navigation::show(QStringLiteral("intro0"));
    unload();
}
