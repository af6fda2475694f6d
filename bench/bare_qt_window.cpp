// The yardstick of the start-up benchmark: the smallest Qt Widgets program that shows one window
// with a label and quits as soon as its event loop runs.
#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel window("bare window");
    window.resize(694, 396);
    window.show();
    QTimer::singleShot(0, &window, &QWidget::close);
    return application.exec();
}
