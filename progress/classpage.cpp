#include "classpage.h"

#include "feedback.h"
#include "fonts.h"
#include "language.h"
#include "module1.h"
#include "navigation.h"
#include "pageparts.h"
#include "picturebutton.h"
#include "statestrip.h"
#include "textfit.h"

#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStyle>
#include <QTableView>
#include <QTimer>

namespace {

using pageparts::kTahoma;
constexpr int kSortRole = Qt::UserRole;

record::Module moduleOf(int k) { return k < 6 ? record::Module::Circles : record::Module::Folding; }

// A slip in words: the sentence the problem page names it with, the question's numbers as
// letters; else the kind of problem it was made on and the slip's own name.
QString slipWords(const QString& id)
{
    if (id.isEmpty())
        return {};
    if (const QString sentence = problems::slipSentence(id); !sentence.isEmpty())
        return sentence;
    const QChar letter = id.at(0);
    const int type = id.mid(1, 1).toInt();
    if ((letter != QLatin1Char('c') && letter != QLatin1Char('f')) || type < 0 || type > 5)
        return id;
    return myclass::tr("%1 (%2)", "a slip: the kind of problem, the slip's id")
        .arg(record::typeName(letter == QLatin1Char('c') ? record::Module::Circles : record::Module::Folding, type),
             id.section(QLatin1Char('.'), 1));
}

// How urgently a state asks for the teacher, for sorting a type's column: Needs help first.
int need(record::State s)
{
    switch (s) {
    case record::State::NeedsHelp: return 0;
    case record::State::NotStarted: return 1;
    case record::State::Practising: return 2;
    case record::State::Review: return 3;
    case record::State::Mastered: return 4;
    }
    return 5;
}

// Sets an item's text and sort key only when they changed, so that a refresh that changes
// nothing leaves the view (and a screen reader) undisturbed.
void put(QStandardItem* item, const QString& text, const QVariant& key)
{
    if (item->text() != text)
        item->setText(text);
    if (item->data(kSortRole) != key)
        item->setData(key, kSortRole);
}

} // namespace

myclass::myclass(QWidget* parent)
    : Page(parent)
    , m_locale(language::locale())
{
    setObjectName(QStringLiteral("myclass"));
    setWindowTitle(tr("My Class"));

    lblhead = pageparts::label(this, "lblhead", 18, true);
    lblhead->setText(tr("My Class"));
    pageprops::setGeometry(*lblhead, 360, 120, 11280, 540);
    lblstatus = pageparts::label(this, "lblstatus", 10);
    lblstatus->setWordWrap(true);
    pageprops::setGeometry(*lblstatus, 360, 690, 11280, 420);

    model = new QStandardItemModel(0, Columns, this);
    QStringList headers{tr("Pupil"), tr("Needs help with"), tr("Most frequent slip"), tr("Last active")};
    for (int k = 0; k < 12; ++k)
        headers << record::typeName(moduleOf(k), k % 6);
    model->setHorizontalHeaderLabels(headers);
    const QString modules[] = {tr("Circles"), tr("Paper Folding")};
    for (int k = 0; k < 12; ++k) {
        model->setHeaderData(FirstType + k, Qt::Horizontal, tr("%1: %2").arg(modules[k / 6], headers.at(FirstType + k)),
                             Qt::ToolTipRole);
    }
    sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(model);
    sorted->setSortRole(kSortRole);
    sorted->setSortLocaleAware(true);

    tblclass = new QTableView(this);
    tblclass->setObjectName(QStringLiteral("tblclass"));
    tblclass->setAccessibleName(tr("Pupils of your classes"));
    tblclass->setAccessibleDescription(tr("The arrow keys move from cell to cell; Alt+S sorts by the "
                                          "column of the current cell, and again the other way round."));
    tblclass->setModel(sorted);
    tblclass->verticalHeader()->hide();
    tblclass->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblclass->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblclass->setSelectionMode(QAbstractItemView::SingleSelection);
    tblclass->setTabKeyNavigation(false); // Tab leaves the table; the arrows move within it
    // The style draws no focus on an empty table: a frame in the page's yellow shows it.
    tblclass->setStyleSheet(QStringLiteral("QTableView { border: 2px solid transparent; }"
                                           " QTableView:focus { border: 2px solid #ffff00; }"));
    tblclass->setFont(fonts::design(kTahoma, 9));
    tblclass->horizontalHeader()->setFont(fonts::design(kTahoma, 9, true));
    tblclass->verticalHeader()->setDefaultSectionSize(20);
    tblclass->setColumnWidth(Pupil, 110);
    tblclass->setColumnWidth(HelpWith, 130);
    tblclass->setColumnWidth(Slip, 260);
    tblclass->setColumnWidth(LastActive, 110);
    for (int k = 0; k < 12; ++k)
        tblclass->setColumnWidth(FirstType + k, 100);
    // Wider where a heading needs it with its sort arrow, and tall enough for accented capitals
    // ("Élève"): headings are longer in some languages.
    QHeaderView* headings = tblclass->horizontalHeader();
    const int arrow = headings->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, headings)
                      + 2 * headings->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, headings);
    for (int c = 0; c < Columns; ++c)
        tblclass->setColumnWidth(c, std::max(tblclass->columnWidth(c), headings->sectionSizeHint(c) + arrow));
    headings->setMinimumHeight(headings->fontMetrics().height() + 8);
    // Needs help first, then the server's order (by name): the sort is stable.
    tblclass->horizontalHeader()->setSortIndicator(HelpWith, Qt::AscendingOrder);
    tblclass->setSortingEnabled(true);
    pageprops::setGeometry(*tblclass, 360, 1170, 11280, 6600);
    // Sorting by keyboard, as a click on a heading does.
    auto* sortKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_S), tblclass);
    sortKey->setContext(Qt::WidgetShortcut);
    connect(sortKey, &QShortcut::activated, this, [this] {
        const int column = tblclass->currentIndex().isValid() ? tblclass->currentIndex().column() : Pupil;
        QHeaderView* header = tblclass->horizontalHeader();
        const bool again = header->sortIndicatorSection() == column;
        const Qt::SortOrder order = again && header->sortIndicatorOrder() == Qt::AscendingOrder ? Qt::DescendingOrder
                                                                                                : Qt::AscendingOrder;
        header->setSortIndicator(column, order);
        if (tblclass->currentIndex().isValid())
            tblclass->scrollTo(tblclass->currentIndex());
    });

    cmdexport = pageparts::button(this, "cmdexport", tr("Export\u2026"));
    cmdexport->setToolTip(tr("Save the checks of your classes' pupils as a CSV file"));
    pageprops::setGeometry(*cmdexport, 9150, 7950, 2550, 495);

    cmdexit = pageparts::exitButton(this, tr("Exit"));

    connect(cmdexport, &QPushButton::clicked, this, &myclass::cmdexport_Click);
    connect(cmdexit, &QPushButton::clicked, this, &myclass::cmdexit_Click);
    setCloseHandler([this] { cmdexit_Click(); });

    Form_Load();
}

void myclass::Form_Load()
{
    Module1::PrepareForm(*this);
    cmdexit->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(tblclass, cmdexport);
    setTabOrder(cmdexport, cmdexit);
    textfit::fitAll(*this);
    tblclass->setFocus();

    const QString service = record::classroomService();
    if (service.isEmpty()) {
        lblstatus->setText(tr("No class record is set up on this computer."));
        cmdexport->setEnabled(false);
        return;
    }
    lblstatus->setText(tr("Reading the class record\u2026"));
    m_feed = new record::ClassFeed(service, this);
    connect(m_feed, &record::ClassFeed::tableRead, this, &myclass::showTable);
    connect(m_feed, &record::ClassFeed::failed, this, &myclass::showFailure);
    connect(m_feed, &record::ClassFeed::exported, this, [this](const QString& file, const QString& error) {
        lblstatus->setText(error.isEmpty()
                               ? tr("The class's checks were saved in %1.").arg(QDir::toNativeSeparators(file))
                               : tr("The class's checks could not be saved in %1: %2")
                                     .arg(QDir::toNativeSeparators(file), error));
    });
    m_timer = new QTimer(this);
    m_timer->setInterval(kRefreshMs);
    connect(m_timer, &QTimer::timeout, this, &myclass::refresh);
    m_timer->start();
    refresh();
}

void myclass::refresh()
{
    if (!m_feed || m_busy)
        return;
    m_busy = true;
    m_feed->refresh();
}

void myclass::showTable(const QList<record::ClassRow>& rows)
{
    m_busy = false;
    m_readAt = QDateTime::currentDateTime();
    QHash<QString, int> at;
    for (int r = 0; r < model->rowCount(); ++r)
        at.insert(model->item(r, Pupil)->text(), r);
    QSet<QString> present;
    int needHelp = 0;
    for (const record::ClassRow& row : rows) {
        present.insert(row.pupil);
        int r = at.value(row.pupil, -1);
        if (r < 0) {
            QList<QStandardItem*> items;
            for (int c = 0; c < Columns; ++c)
                items << new QStandardItem;
            model->appendRow(items);
            r = model->rowCount() - 1;
            at.insert(row.pupil, r);
        }
        put(model->item(r, Pupil), row.pupil, row.pupil.toLower());
        const bool help = row.helpType >= 0;
        needHelp += help;
        put(model->item(r, HelpWith), help ? record::typeName(moduleOf(row.helpType), row.helpType % 6) : QString(),
            help ? 0 : 1);
        const QString slip = help ? slipWords(row.helpSlip) : QString();
        put(model->item(r, Slip), slip, help ? row.helpSlip : QString());
        if (model->item(r, Slip)->toolTip() != slip)
            model->item(r, Slip)->setToolTip(slip);
        const QString last = row.lastActive.isValid()
                                 ? m_locale.toString(row.lastActive.toLocalTime(), QLocale::ShortFormat)
                                 : tr("never");
        put(model->item(r, LastActive), last, row.lastActive.isValid() ? row.lastActive.toMSecsSinceEpoch() : 0);
        for (int k = 0; k < 12; ++k) {
            const record::State s = row.states[size_t(k)];
            QStandardItem* item = model->item(r, FirstType + k);
            put(item, record::stateName(s), need(s));
            if (item->background().color() != StateStrip::colour(s)) {
                item->setBackground(StateStrip::colour(s));
                item->setForeground(Qt::black);
            }
        }
    }
    for (int r = model->rowCount() - 1; r >= 0; --r) {
        if (!present.contains(model->item(r, Pupil)->text()))
            model->removeRow(r);
    }
    const QString time = m_locale.toString(m_readAt.time(), QLocale::ShortFormat);
    lblstatus->setText(rows.isEmpty() ? tr("No pupils are in your classes yet.")
                                      : tr("Pupils: %1. Needing help: %2. Read at %3.")
                                            .arg(m_locale.toString(int(rows.size())), m_locale.toString(needHelp), time));
    Q_EMIT tableShown(int(rows.size()));
}

void myclass::showFailure(const QString& why)
{
    m_busy = false;
    const QString reason = why.simplified();
    lblstatus->setText(m_readAt.isValid()
                           ? tr("The school's server did not answer (%1). The table is as read at %2.")
                                 .arg(reason, m_locale.toString(m_readAt.time(), QLocale::ShortFormat))
                           : tr("The school's server did not answer (%1).").arg(reason));
}

void myclass::cmdexport_Click()
{
    if (!m_feed)
        return;
    const QString file = QFileDialog::getSaveFileName(
        this, tr("Export the class's checks"), QDir::home().filePath(tr("my-class") + QStringLiteral(".csv")),
        tr("CSV files (*.csv)"));
    if (file.isEmpty())
        return;
    lblstatus->setText(tr("Saving the class's checks\u2026"));
    m_feed->exportTo(file);
}

void myclass::cmdexit_Click()
{
    navigation::show(QStringLiteral("intro0"));
    unload();
}
