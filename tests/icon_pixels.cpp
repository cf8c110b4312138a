// Writes forms/ProgramIconPixels.cpp from the program's icon files:
//
//   icon_pixels resources/ardentis-32.png resources/ardentis-64.png > forms/ProgramIconPixels.cpp
//
// The program draws its icon from these pixels instead of decoding the PNG
// files at start-up (test_startup checks that the two still agree).
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>

#include <cstdio>

namespace {

bool write(const char* file, int size)
{
    QImage image(QString::fromLocal8Bit(file));
    if (image.isNull() || image.width() != size || image.height() != size) {
        std::fprintf(stderr, "icon_pixels: %s is not a %dx%d image\n", file, size, size);
        return false;
    }
    image.convertTo(QImage::Format_ARGB32);
    std::printf("\n// %s\nconst std::uint32_t Icon%d[%d * %d] = {", qPrintable(QFileInfo(QString::fromLocal8Bit(file)).fileName()),
                size, size, size);
    for (int y = 0; y < size; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < size; ++x)
            std::printf("%s0x%08X,", x % 8 ? " " : "\n    ", static_cast<unsigned>(row[x]));
    }
    std::printf("\n};\n");
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: icon_pixels ardentis-32.png ardentis-64.png\n");
        return 2;
    }
    std::printf("// Written by tests/icon_pixels from resources/ardentis-32.png and\n"
                "// resources/ardentis-64.png; write it again when they change.\n"
                "#include \"forms/ProgramIconPixels.h\"\n\nnamespace style::iconpixels {\n");
    const bool ok = write(argv[1], 32) && write(argv[2], 64);
    std::printf("\n}  // namespace style::iconpixels\n");
    return ok ? 0 : 1;
}
