// Velmora: shift planning for a small organisation.
#include "ScreenRegistry.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    Startup::beforeApplication();
    QApplication app(argc, argv);
    Startup::configure(app);
    ScreenSet screens;
    screens.first()->show();
    return QApplication::exec();
}
