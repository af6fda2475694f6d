#pragma once
// The small modal notice shown while the external updater runs: it keeps the configurator painted,
// tells how long the updater has been running, and takes no input (no close box, Escape ignored).
#include <QDialog>

#include <chrono>

class QLabel;

namespace corvane {

class UpdaterWaitDialog : public QDialog {
    Q_OBJECT
public:
    explicit UpdaterWaitDialog(QWidget* parent);
    void showWaited(std::chrono::milliseconds waited);

protected:
    void reject() override {} // the wait ends only when the updater ends or the limit is reached
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* label_ = nullptr;
};

} // namespace corvane
