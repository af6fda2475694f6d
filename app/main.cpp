// The configurator's entry point.
#include "app/startup.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    corvane::AppState state;
    corvane::startUp(state, corvane::executableDir());
    QLabel window(QString::fromStdString(state.AppCaption));
    window.setWindowTitle(QString::fromStdString(state.AppCaption));
    window.resize(640, 200);
    window.show();
    return application.exec();
}
