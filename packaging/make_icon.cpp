// Writes the program's own icon (the one every window carries) as a PNG, for the desktop's icon
// theme, so that the installed icon cannot differ from the one in the title bars.

#include "widgets/AppIcon.h"

#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char* argv[])
{
    try {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        if (argc != 2) {
            std::fprintf(stderr, "usage: make_icon OUTPUT.png\n");
            return 2;
        }
        if (!tessarine::appIconPixmap().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
            std::fprintf(stderr, "make_icon: cannot write %s\n", argv[1]);
            return 1;
        }
        return 0;
    } catch (...) {
        std::fprintf(stderr, "make_icon: unexpected failure\n");
        return 1;
    }
}
