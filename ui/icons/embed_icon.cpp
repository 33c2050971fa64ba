// Build-time tool: turns the icon's rendered PNGs into C++ arrays of premultiplied ARGB pixels, so
// that the running program builds its icon without loading any image decoder.
// Usage: veltrix_embed_icon OUTPUT.cpp SIZE:PNG...
#include <QFile>
#include <QImage>
#include <QString>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp SIZE:PNG...\n", argv[0]);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    QTextStream out(&file);
    out << "// Generated from ui/icons/veltrix.svg by veltrix_embed_icon; do not edit.\n"
        << "#include \"ui/shared/icon_pixels.hpp\"\n\nnamespace veltrix::ui {\n\nnamespace {\n";
    QStringList entries;
    for (int i = 2; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const int size = argument.section(u':', 0, 0).toInt();
        QImage image(argument.section(u':', 1));
        if (image.isNull() || image.width() != size || image.height() != size) {
            std::fprintf(stderr, "cannot read a %dx%d image from %s\n", size, size, argv[i]);
            return 1;
        }
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        out << "\nconst unsigned int kPixels" << size << "[] = {";
        for (int y = 0; y < size; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < size; ++x) {
                out << ((y * size + x) % 8 == 0 ? "\n   " : "") << " 0x"
                    << QString::number(row[x], 16).rightJustified(8, u'0') << "u,";
            }
        }
        out << "\n};\n";
        entries << QStringLiteral("{%1, kPixels%1}").arg(size);
    }
    out << "\n} // namespace\n\nconst IconPixels kIconPixels[] = {" << entries.join(u", ")
        << "};\nconst int kIconPixelsCount = " << entries.size()
        << ";\n\n} // namespace veltrix::ui\n";
    return out.status() == QTextStream::Ok && file.flush() ? 0 : 1;
}
