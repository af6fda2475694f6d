#pragma once
// The new-configuration dialog: asks for a name, creates the folder and makes it active.
#include "common/corvane_dialog.h"

class QLineEdit;

namespace corvane {

class TFNew_Project : public CorvaneDialog {
    Q_OBJECT
public:
    TFNew_Project(AppState& state, Platform& platform, QWidget* parent = nullptr);
    void Set_Lang() override;

    // Validates the typed name and creates the configuration; closes with OK only on success.
    void Btn_OKClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Label1 = nullptr;
    QLineEdit* E_New_Proj = nullptr;
    QPushButton* Btn_OK = nullptr;
    QPushButton* Btn_Cancel = nullptr;
};

} // namespace corvane
