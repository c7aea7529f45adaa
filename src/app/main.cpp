#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel w("Quilmar 5.2");
    w.resize(998, 614);
    w.show();
    return app.exec();
}
