// selvadoro_icon_pictures OUTPUT_FOLDER ICON_FOLDER NAME:SIZE...
//
// Draws icons of the program ("ICON_FOLDER/NAME.svg") SIZE pixels square,
// exactly as the program draws them, into "OUTPUT_FOLDER/NAME-SIZE.argb":
// the pixels as they lie in memory, premultiplied 32-bit ARGB, row after
// row. The build compiles these pictures into the program, so that its
// first window shows them without drawing an icon or decoding a picture
// file at start-up.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "uso: %s CARTELLA_USCITA CARTELLA_ICONE NOME:LATO...\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir output(QString::fromLocal8Bit(argv[1]));
    const QDir icons(QString::fromLocal8Bit(argv[2]));
    if (!output.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "impossibile creare %s\n", argv[1]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const QString request = QString::fromLocal8Bit(argv[i]);
        const qsizetype colon = request.lastIndexOf(u':');
        bool sizeOk = false;
        const int size = colon > 0 ? request.mid(colon + 1).toInt(&sizeOk) : 0;
        if (!sizeOk || size <= 0) {
            std::fprintf(stderr, "richiesta non valida: %s\n", argv[i]);
            return 2;
        }
        const QString name = request.left(colon);
        const QIcon icon(icons.filePath(name + QStringLiteral(".svg")));
        const QImage picture = icon.pixmap(QSize(size, size))
                                   .toImage()
                                   .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QString path = output.filePath(QStringLiteral("%1-%2.argb").arg(name).arg(size));
        QFile file(path);
        const auto length = qint64(size) * size * 4;
        if (picture.size() != QSize(size, size) || picture.bytesPerLine() != size * 4 ||
            !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char*>(picture.constBits()), length) != length ||
            !file.flush()) {
            std::fprintf(stderr, "impossibile disegnare %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
