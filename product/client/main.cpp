#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    // The built-in resources live in a static library.
    Q_INIT_RESOURCE(client);
    QApplication application(argc, argv);
    QMainWindow console;
    console.setWindowTitle(QStringLiteral("Console"));
    console.resize(640, 480);
    console.show();
    return application.exec();
}
