#include "app/MainWindow.h"

#include "core/ProgramInfo.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(lx::ProductName());
    QApplication::setApplicationVersion(lx::ProgramVersion());
    lx::MainWindow window;
    window.show();
    return QApplication::exec();
}
