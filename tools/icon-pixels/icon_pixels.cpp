// Writes the program icon's pixels as C++ for the windows library to compile
// in, from the icon files:
//
//   icon_pixels ardentis-32.png ardentis-64.png ProgramIconPixels.cpp
//
// The program draws its icon from these pixels instead of decoding the PNG
// files at start-up.
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

#include <cstdio>

namespace {

bool append(QByteArray& out, const QString& file, int size)
{
    QImage image(file);
    if (image.isNull() || image.width() != size || image.height() != size) {
        std::fprintf(stderr, "icon_pixels: %s is not a %dx%d image\n", qPrintable(file), size, size);
        return false;
    }
    image.convertTo(QImage::Format_ARGB32);
    out += "\n// " + QFileInfo(file).fileName().toUtf8() + "\nconst std::uint32_t Icon" + QByteArray::number(size) + "["
           + QByteArray::number(size) + " * " + QByteArray::number(size) + "] = {";
    for (int y = 0; y < size; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < size; ++x) {
            out += x % 8 ? " " : "\n    ";
            out += "0x" + QByteArray::number(row[x], 16).toUpper().rightJustified(8, '0') + ',';
        }
    }
    out += "\n};\n";
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: icon_pixels ardentis-32.png ardentis-64.png output.cpp\n");
        return 2;
    }
    QByteArray out = "// Written by the build from the program's icon files; not to be edited.\n"
                     "#include \"ProgramIconPixels.h\"\n\nnamespace windows::style::iconpixels {\n";
    if (!append(out, arguments[1], 32) || !append(out, arguments[2], 64))
        return 1;
    out += "\n}  // namespace windows::style::iconpixels\n";
    QSaveFile output(arguments[3]);
    if (!output.open(QIODevice::WriteOnly) || output.write(out) != out.size() || !output.commit()) {
        std::fprintf(stderr, "icon_pixels: cannot write %s\n", qPrintable(arguments[3]));
        return 1;
    }
    return 0;
}
