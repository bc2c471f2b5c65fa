#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("K-Tal"));
    window.setFixedSize(1024, 600);
    window.show();
    return application.exec();
}
