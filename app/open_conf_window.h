#pragma once
// The open-configuration dialog: lists the configuration folders and returns the chosen name.
// It changes no shared state; the main window activates the choice.
#include "common/corvane_dialog.h"

#include <string>
#include <vector>

class QFrame;
class QListWidget;

namespace corvane {

struct DialogPanels;

class TFOpenConf : public CorvaneDialog {
    Q_OBJECT
public:
    TFOpenConf(AppState& state, Platform& platform, QWidget* parent = nullptr);
    void Set_Lang() override;

    // The chosen configuration, kept from one use of the dialog to the next.
    const std::string& Name_Conf() const { return nameConf_; }
    const std::vector<std::string>& SL() const { return sl_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Load_Existing_Configuration();
    void preselect();
    void ListBox1Click();

    std::vector<std::string> sl_;
    std::string nameConf_;
    QFrame* P_Title = nullptr;
    QFrame* P_Buttons = nullptr;
    QLabel* Label1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPushButton* Btn_OK = nullptr;
    QPushButton* Btn_Cancel = nullptr;
};

} // namespace corvane
