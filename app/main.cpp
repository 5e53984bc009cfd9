#include "fonts.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    fonts::registerDesignFonts();
    return 0;
}
