// The answer reader, the check, the verdict and the shown answer against the reference reading,
// over the fuzzer's seed corpus, every input the fuzzer ever failed on, and rows of our own.

#include "answer.h"
#include "compare.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <cfloat>
#include <cmath>
#include <limits>

class TestAnswerRows : public QObject {
    Q_OBJECT

    void addFiles(const QString& folder)
    {
        const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::Name);
        for (const QFileInfo& file : files) {
            if (file.fileName() == QLatin1String("README"))
                continue;
            QFile in(file.absoluteFilePath());
            QVERIFY2(in.open(QIODevice::ReadOnly), qPrintable(file.absoluteFilePath()));
            QTest::newRow(qPrintable(QDir(folder).dirName() + QLatin1Char('/') + file.fileName()))
                << in.readAll();
        }
    }

private Q_SLOTS:
    void storedInputs_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        addFiles(QStringLiteral(VORNASH_FUZZ_DIR "/corpus"));
        addFiles(QStringLiteral(VORNASH_FUZZ_DIR "/regressions"));
    }

    void storedInputs()
    {
        QFETCH(QByteArray, bytes);
        for (const QString& typed : {compare::asLatin1(bytes.constData(), size_t(bytes.size())),
                                     compare::asUtf16(bytes.constData(), size_t(bytes.size()))}) {
            const std::string fault = compare::check(typed);
            QVERIFY2(fault.empty(), fault.c_str());
        }
    }

    // Readings at the ends of the double range, where a converter is most easily wrong.
    void edges_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value");
        const double tiny = std::numeric_limits<double>::denorm_min();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("below half the least subnormal") << "2.4703282292062327e-324" << 0.0;
        QTest::newRow("above half the least subnormal") << "2.4703282292062328e-324" << tiny;
        QTest::newRow("least subnormal") << "4.9406564584124654e-324" << tiny;
        QTest::newRow("least normal") << "2.2250738585072014e-308" << DBL_MIN;
        QTest::newRow("largest") << "1.7976931348623157e308" << DBL_MAX;
        QTest::newRow("rounds to largest") << "1.7976931348623158e308" << DBL_MAX;
        QTest::newRow("rounds past largest") << "1.7976931348623159e308" << inf;
        QTest::newRow("huge exponent") << "1e999999999999999999999" << inf;
        QTest::newRow("huge negative exponent") << "-1e-999999999999999999999" << -0.0;
        QTest::newRow("zero with huge exponent") << "0e999999999" << 0.0;
        QTest::newRow("long zeros then digit") << QString(5000, u'0').prepend(u'.') + u'1' + "e5000"
                                             << 0.1;
        QTest::newRow("long mantissa rounds by its tail")
            << "9007199254740993" + QString(900, u'0') + "1e-901" << 9007199254740994.0;
        QTest::newRow("long mantissa exactly half") << "9007199254740993" + QString(900, u'0') + "e-900"
                                                   << 9007199254740992.0;
    }

    void edges()
    {
        QFETCH(QString, typed);
        QFETCH(double, value);
        QVERIFY(reference::same(problems::readAnswer(typed), value));
        QVERIFY(reference::same(reference::read(typed), value));
        const std::string fault = compare::check(typed);
        QVERIFY2(fault.empty(), fault.c_str());
    }
};

QTEST_GUILESS_MAIN(TestAnswerRows)
#include "tst_answerrows.moc"
