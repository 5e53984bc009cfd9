// The whole road through the program with its picture folders damaged in every way a school
// machine manages: folders gone, empty files, cut-off files, pictures of another kind or plain
// text under the expected names, folders where files should be, files nobody may read. Every
// page still opens, every button still works, and each page goes on without the picture.

#include "draws.h"
#include "fonts.h"
#include "picturebox.h"
#include "pictures.h"
#include "road.h"
#include "walk.h"

#include <QBuffer>
#include <QDataStream>
#include <QDirIterator>
#include <QImageWriter>
#include <QPushButton>
#include <QTemporaryDir>

#include <sys/fsuid.h>
#include <unistd.h>

namespace {

enum Fault { Absent, Empty, Truncated, OtherFormat, Text, Directory, Unreadable, Huge };

// The real pictures, drawn by the build beside the test executables: path relative to the
// executable's folder, and size.
struct Source {
    QString relPath;
    qint64 size = 0;
};

QList<Source> realPictures()
{
    QList<Source> found;
    const QDir bin(QCoreApplication::applicationDirPath());
    for (const QString& folder : bin.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QDirIterator it(bin.filePath(folder), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            found.append({bin.relativeFilePath(info.absoluteFilePath()), info.size()});
        }
    }
    return found;
}

QByteArray pictureBytes(const char* format)
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

quint32 crc32(const QByteArray& bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A PNG file that claims to be 40000 x 40000 pixels (six gigabytes once decoded) and holds
// next to nothing: what a picture saved wrongly, or a prank, can look like.
QByteArray hugePicture()
{
    auto chunk = [](const char* type, const QByteArray& data) {
        QByteArray body = QByteArray(type, 4) + data;
        QByteArray out;
        QDataStream stream(&out, QIODevice::WriteOnly);
        stream << quint32(data.size());
        out += body;
        QDataStream tail(&out, QIODevice::Append);
        tail << crc32(body);
        return out;
    };
    QByteArray header;
    QDataStream stream(&header, QIODevice::WriteOnly);
    stream << quint32(40000) << quint32(40000) << quint8(8) << quint8(6) << quint8(0) << quint8(0)
           << quint8(0);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header)
           + chunk("IDAT", QByteArray::fromHex("789c636000000002000001")) + chunk("IEND", {});
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
}

bool readable(const QString& path)
{
    QFile probe(path);
    return probe.open(QIODevice::ReadOnly);
}

constexpr int kNobody = 65534;
constexpr QFileDevice::Permissions kOpenFolder = QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                 | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                                 | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                                 | QFileDevice::ExeOther;

// Checks of file permissions made as another user while it lives (Linux's file-system user id,
// which touches nothing else of the process).
class FileUser {
public:
    FileUser() = default;
    FileUser(const FileUser&) = delete;
    FileUser& operator=(const FileUser&) = delete;
    ~FileUser()
    {
        if (m_previous >= 0)
            setfsuid(uid_t(m_previous));
    }
    void become(int uid) { m_previous = setfsuid(uid_t(uid)); }

private:
    int m_previous = -1;
};

} // namespace

class TestPictureFaults : public QObject {
    Q_OBJECT
    int m_ended = 0;
    QList<Source> m_sources;

    // Builds the damaged copy of the picture folders under `root`; false when it cannot.
    bool build(const QString& root, int fault)
    {
        const QDir bin(QCoreApplication::applicationDirPath());
        const QByteArray other = pictureBytes("bmp");
        const QByteArray text = QByteArrayLiteral("This is not a picture.\n").repeated(40);
        const QByteArray huge = hugePicture();
        for (const Source& s : std::as_const(m_sources)) {
            const QString path = root + QLatin1Char('/') + s.relPath;
            if (fault == Fault::Absent)
                continue;
            if (!QDir().mkpath(QFileInfo(path).path()))
                return false;
            bool ok = true;
            switch (fault) {
            case Fault::Absent: break;
            case Fault::Empty: ok = writeFile(path, {}); break;
            case Fault::Truncated: {
                QFile in(bin.filePath(s.relPath));
                ok = in.open(QIODevice::ReadOnly) && writeFile(path, in.read(s.size / 3));
                break;
            }
            case Fault::OtherFormat: ok = writeFile(path, other); break;
            case Fault::Text: ok = writeFile(path, text); break;
            case Fault::Directory: ok = QDir().mkpath(path); break;
            case Fault::Huge: ok = writeFile(path, huge); break;
            case Fault::Unreadable:
                ok = writeFile(path, pictureBytes("png"))
                     && QFile::setPermissions(path, QFileDevice::Permissions());
                break;
            }
            if (!ok)
                return false;
        }
        return true;
    }

private Q_SLOTS:
    void initTestCase()
    {
        fonts::registerDesignFonts();
        road::registerAllPages();
        navigation::setEndProgram([this] {
            ++m_ended;
            walk::closeEverything();
        });
        m_sources = realPictures();
        QVERIFY2(m_sources.size() > 100, "the build's pictures are missing beside the test");
        qInfo("%lld real pictures copied into each damaged folder", qlonglong(m_sources.size()));
    }

    void cleanup()
    {
        walk::closeEverything();
        pictures::setSearchRoots({});
        draws::setSeedFactory({});
    }

    void wholeRoad_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("folders absent") << int(Fault::Absent);
        QTest::newRow("zero-byte files") << int(Fault::Empty);
        QTest::newRow("truncated files") << int(Fault::Truncated);
        QTest::newRow("another format under the name") << int(Fault::OtherFormat);
        QTest::newRow("text under the name") << int(Fault::Text);
        QTest::newRow("directories for files") << int(Fault::Directory);
        QTest::newRow("unreadable files") << int(Fault::Unreadable);
        QTest::newRow("pictures claiming to be enormous") << int(Fault::Huge);
    }

    void wholeRoad()
    {
        QFETCH(int, fault);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(build(dir.path(), fault));
        FileUser asUser;
        if (fault == Fault::Unreadable && readable(dir.filePath(m_sources.first().relPath))) {
            if (geteuid() != 0)
                QSKIP("files with no permissions can still be read here: the file system ignores permissions");
            // Root reads any file. Reading as an ordinary user for this row makes the
            // permissions hold again; the folders are opened up so that only the files are shut.
            QDirIterator folders(dir.path(), QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
            QFile::setPermissions(dir.path(), kOpenFolder);
            while (folders.hasNext())
                QFile::setPermissions(folders.next(), kOpenFolder);
            asUser.become(kNobody);
            if (readable(dir.filePath(m_sources.first().relPath)))
                QSKIP("running as root, and files with no permissions stay readable even to an ordinary user");
            qInfo("running as root, which reads any file: the pictures are read as user %d for this row, "
                  "so that their permissions hold", kNobody);
        }
        pictures::setSearchRoots({dir.path()});
        // Fixed draws: every problem type comes round in turn.
        draws::setSeedFactory([] { return draws::fixed({0.05, 0.4, 0.7, 0.2, 0.9, 0.55, 0.3}); });

        const int endedBefore = m_ended;
        navigation::show(QStringLiteral("Titlefrm"));
        auto* title = walk::only<Titlefrm>();
        QVERIFY(title);
        if (fault != Fault::OtherFormat && fault != Fault::Truncated)
            QVERIFY(title->Picture1->picture().isNull());

        walk::wholeRoad(8, 6);
        if (QTest::currentTestFailed())
            return;

        // The pages went on without their pictures where nothing could be read.
        walk::closeEverything();
        navigation::show(QStringLiteral("circles"));
        auto* problemsPage = walk::only<ProblemPage>(false);
        QVERIFY(problemsPage);
        if (fault != Fault::OtherFormat && fault != Fault::Truncated) {
            QVERIFY(problemsPage->Image2->picture().isNull());
            QVERIFY(problemsPage->cmdexit->picture().isNull());
        }
        walk::press(problemsPage->cmdexit);
        QVERIFY(walk::only<intro0>());
        walk::press(walk::only<intro0>()->Command1);
        title = walk::only<Titlefrm>();
        QVERIFY(title);
        walk::press(title->Command2);
        QCOMPARE(m_ended, endedBefore + 1);
        QVERIFY(walk::openWindows().isEmpty());
    }

    // A button whose face cannot be read looks just as a button with its name for a caption
    // would, and every button with a key says which in its tooltip and description.
    void buttonsWithoutFacesShowTheirNames_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("keyed");
        QTest::newRow("menu") << "intro0" << 1;
        QTest::newRow("circles lesson") << "circles0" << 1;
        QTest::newRow("folding lesson") << "folding0" << 1;
        QTest::newRow("circles problems") << "circles" << 5;
        QTest::newRow("folding problems") << "folding" << 5;
    }

    void buttonsWithoutFacesShowTheirNames()
    {
        QFETCH(QString, page);
        QFETCH(int, keyed);
        QTemporaryDir empty;
        pictures::setSearchRoots({empty.path()});
        Page* p = navigation::show(page);
        QVERIFY(p);
        const QList<PictureButton*> buttons = p->findChildren<PictureButton*>();
        QVERIFY(!buttons.isEmpty());
        int withKeys = 0;
        for (PictureButton* b : buttons) {
            const QString name = b->accessibleName();
            QVERIFY2(b->picture().isNull() && !name.isEmpty(), qPrintable(b->objectName()));
            QPushButton captioned(name, p);
            captioned.setGeometry(b->geometry());
            captioned.setFocusPolicy(b->focusPolicy());
            captioned.setAutoDefault(b->autoDefault());
            captioned.show();
            QVERIFY2(b->grab().toImage() == captioned.grab().toImage(), qPrintable(name));
            if (b->shortcut().isEmpty())
                continue;
            ++withKeys;
            const QString tip = name + QStringLiteral(" (") + b->shortcut().toString(QKeySequence::NativeText)
                                + QLatin1Char(')');
            QVERIFY2(tip.contains(QLatin1String("(Alt+")), qPrintable(tip));
            QCOMPARE(b->toolTip(), tip);
            QCOMPARE(b->accessibleDescription(), tip);
        }
        QCOMPARE(withKeys, keyed);
    }
};

QTEST_MAIN(TestPictureFaults)
#include "tst_picturefaults.moc"
