#pragma once
// The teacher's page: one row per pupil of the teacher's classes on the school's server, with
// the twelve kinds of problem's states in words, pupils who need help first with the kind and
// their most frequent slip, and when each was last active. The table can be sorted by any
// column; it is read again every 30 s on a thread of its own, and the page never waits for the
// server. "Export…" writes the class's checks as CSV.

#include "classroom.h"
#include "page.h"

#include <QLocale>

class PictureButton;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;
class QTimer;

class myclass : public Page {
    Q_OBJECT
public:
    explicit myclass(QWidget* parent = nullptr);

    static constexpr int kRefreshMs = 30000;
    enum Column { Pupil, HelpWith, Slip, LastActive, FirstType, Columns = FirstType + 12 };

    void Form_Load();
    void cmdexport_Click();
    void cmdexit_Click();

    // Puts the rows read into the table, keeping each pupil's row (and the keyboard's place) where
    // it is; pupils gone from the classes go.
    void showTable(const QList<record::ClassRow>& rows);
    void showFailure(const QString& why);
    // Asks for the table again, unless a request is still out.
    void refresh();

    QLabel* lblhead = nullptr;
    QLabel* lblstatus = nullptr;
    QTableView* tblclass = nullptr;
    QPushButton* cmdexport = nullptr;
    PictureButton* cmdexit = nullptr;
    QStandardItemModel* model = nullptr;
    QSortFilterProxyModel* sorted = nullptr;

Q_SIGNALS:
    // The table has been filled and laid out (for the benchmark and the tests).
    void tableShown(int rows);

private:
    record::ClassFeed* m_feed = nullptr;
    QTimer* m_timer = nullptr;
    bool m_busy = false;
    QDateTime m_readAt;
    QLocale m_locale;
};
