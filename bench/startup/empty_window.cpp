#include <QApplication>
#include <QWidget>

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("empty"));
    window.resize(558, 385);
    window.show();
    return QApplication::exec();
}
