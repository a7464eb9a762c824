#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow console;
    console.setWindowTitle(QStringLiteral("Console"));
    console.resize(640, 480);
    console.show();
    return application.exec();
}
