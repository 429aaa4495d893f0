#include "mapping.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Mapping window;
    window.show();
    return QApplication::exec();
}
