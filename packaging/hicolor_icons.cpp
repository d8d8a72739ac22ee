// quarvel-hicolor-icons OUTDIR: writes the application icon (icon 128) as the PNGs of the
// desktop's hicolor theme, OUTDIR/<size>x<size>/apps/<name>.png for 16, 32 and 48 pixels.
// The 16 and 32 are the icon's own images; 48 is the 32 scaled, since the icon has no 48.
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <cstdio>

#include "framework/dib_image.h"
#include "framework/resources.h"
#include "res/resource_ids.h"
#include "res/resources.h"

namespace {

struct IconSize {
    int pixels;
    int sourcePixels;
};

constexpr IconSize kSizes[] = {{16, 16}, {32, 32}, {48, 32}};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: quarvel-hicolor-icons OUTDIR ICON-NAME\n");
        return 2;
    }
    // Pixmaps need a GUI application, but not a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);

    AfxSetResources(QuarvelResources());
    const QIcon icon = AfxLoadIcon(IDR_MAINFRAME);
    for (const IconSize& size : kSizes) {
        if (!icon.availableSizes().contains(QSize(size.sourcePixels, size.sourcePixels))) {
            std::fprintf(stderr, "icon %d has no %d x %d image\n", IDR_MAINFRAME, size.sourcePixels,
                         size.sourcePixels);
            return 1;
        }
        QImage image = icon.pixmap(size.sourcePixels, size.sourcePixels).toImage();
        if (size.pixels != size.sourcePixels) {
            image = image.scaled(size.pixels, size.pixels, Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
        }
        const QString folder = QString("%1/%2x%2/apps").arg(outDir).arg(size.pixels);
        const QString file = folder + "/" + name + ".png";
        if (!QDir().mkpath(folder) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
