#pragma once
// The pupil's progress page: for each module the six kinds of problem with their state, the
// last ten first tries and the share right; a chart of the last 14 days; the most frequent
// slips. From here the pupil practises a module's weak spots, exports the record as CSV, or
// forgets it. With no record to read, the page says in one sentence why.

#include "page.h"
#include "record.h"

#include <QLocale>
#include <array>

class DaysChart;
class PictureButton;
class QLabel;
class QPushButton;
class QTableWidget;

class myprogress : public Page {
    Q_OBJECT
public:
    explicit myprogress(QWidget* parent = nullptr);

    void Form_Load();
    void cmdpractise_Click(int module);
    void cmdexport_Click();
    void cmdforget_Click();
    void cmdexit_Click();

    // Reads the record afresh and shows it (after the pupil forgot it, too).
    void showRecord();
    // Writes the pupil's checks to `file` as CSV; false when nothing could be written.
    bool exportTo(const QString& file);
    // Deletes every row of the record, without asking.
    void forget();
    // Shows whether the pupil's answers have reached the class record, when there is one.
    void showClassState();

    QLabel* lblname = nullptr;   // whose record
    QLabel* lblwhy = nullptr;    // why nothing is shown, or what happened to the file
    std::array<QLabel*, 2> lblmodule{};
    std::array<QPushButton*, 2> cmdpractise{};
    std::array<QTableWidget*, 2> tbltypes{};
    QLabel* lblchart = nullptr;
    DaysChart* chart = nullptr;
    QLabel* lblslipshead = nullptr;
    QLabel* lblslips = nullptr;
    QLabel* lblclass = nullptr;  // the class record's state, when there is one
    QPushButton* cmdexport = nullptr;
    QPushButton* cmdforget = nullptr;
    PictureButton* cmdexit = nullptr;

private:
    void showModule(int index, const record::ModuleProgress& progress);
    void showNothing(const QString& why);

    QLocale m_locale;
};
