// The reference: a bare Qt window that reads one picture with QImageReader and paints it,
// with nothing of the program in it. Run on the same window system in the same run as the
// probe, it shows what any Qt program costs on this machine at this moment.
//
//   vornash-bench-bare start    process start to the picture painted
//   vornash-bench-bare memory   peak resident memory with the picture on show

#include "measure.h"
#include "probeapp.h"

#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <QWidget>

#include <cstdio>

namespace {

class PictureWindow : public QWidget {
public:
    explicit PictureWindow(const QString& file)
    {
        QImageReader reader(file);
        m_picture = reader.read();
        setFixedSize(320, 240);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), m_picture);
    }

private:
    QImage m_picture;
};

} // namespace

int main(int argc, char** argv)
{
    bench::ProbeApplication app(argc, argv);
    const QString mode = QCoreApplication::arguments().value(1);
    // The title's first picture, from beside the program.
    PictureWindow window(QDir(QCoreApplication::applicationDirPath())
                             .absoluteFilePath(QStringLiteral("conenwsm/conene00.jpg")));
    window.show();
    if (!app.waitForPaint(&window, 10000)) {
        std::fprintf(stderr, "vornash-bench-bare: the window was never painted\n");
        return 1;
    }
    if (mode == QLatin1String("start")) {
        std::printf("painted_ns %lld\n", static_cast<long long>(bench::nowNs()));
        return 0;
    }
    if (mode == QLatin1String("memory")) {
        bench::ProbeApplication::spin(1000);
        std::printf("peak_rss_mb %.6f\n", double(bench::peakResidentKb()) / 1024.0);
        return 0;
    }
    std::fprintf(stderr, "usage: vornash-bench-bare start|memory\n");
    return 2;
}
