// Build helper: turns the hand-drawn XPM icon into the files desktops read
// (hicolor PNGs, scaled without smoothing so the pixel art stays crisp).
// Usage: trivelan_icon_export ICON.xpm APP_ID OUT_DIR
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);  // for the image format plugins
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s ICON.xpm APP_ID OUT_DIR\n", argv[0]);
        return 2;
    }
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    const QString appId = QString::fromLocal8Bit(argv[2]);
    const QDir out(QString::fromLocal8Bit(argv[3]));
    if (icon.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    for (const int size : {32, 64, 128}) {
        const QString dir = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        const QImage scaled = icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                  .convertToFormat(QImage::Format_Indexed8);
        if (!out.mkpath(dir) ||
            !scaled.save(out.filePath(dir + QLatin1Char('/') + appId + QStringLiteral(".png")))) {
            std::fprintf(stderr, "cannot write the %dx%d icon\n", size, size);
            return 1;
        }
    }
    return 0;
}
