#include "update/updater_wait_dialog.h"

#include "common/corvane_dialog.h"

#include <QCloseEvent>
#include <QLabel>

namespace corvane {

UpdaterWaitDialog::UpdaterWaitDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("UpdaterWait");
    setWindowTitle("Ethernet_Update");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowModality(Qt::ApplicationModal);
    setFont(programFont());
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(kWindowColour));
    setPalette(background);
    setAutoFillBackground(true);
    label_ = new QLabel(this);
    label_->setObjectName("L_Updater_Running");
    label_->setGeometry(16, 16, 288, 32);
    setFixedSize(320, 64);
}

void UpdaterWaitDialog::showWaited(std::chrono::milliseconds waited) {
    label_->setText(QString("The updater Ethernet_Update is running: %1 s")
                        .arg(std::chrono::duration_cast<std::chrono::seconds>(waited).count()));
    if (!isVisible()) show();
}

void UpdaterWaitDialog::closeEvent(QCloseEvent* event) { event->ignore(); }

} // namespace corvane
