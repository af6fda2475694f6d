#include "app/new_project_window.h"

#include "app/dialog_panels.h"
#include "app/new_configuration.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace corvane {

namespace {
constexpr int kWidth = 331;
constexpr int kHeight = 162;
} // namespace

TFNew_Project::TFNew_Project(AppState& state, Platform& platform, QWidget* parent)
    : CorvaneDialog(state, platform, parent) {
    setObjectName("TFNew_Project");
    const DialogPanels panels = addDialogPanels(this);
    panels.place({kWidth, kHeight});
    addTitleLabels();

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->move(16, 70);
    E_New_Proj = new QLineEdit(this);
    E_New_Proj->setObjectName("E_New_Proj");
    E_New_Proj->setGeometry(16, 94, 297, 21);
    connect(E_New_Proj, &QLineEdit::returnPressed, this, &TFNew_Project::Btn_OKClick);

    Btn_OK = addButton("Btn_OK", QRect(85, 6, 110, 28));
    Btn_Cancel = addButton("Btn_Cancel", QRect(203, 6, 110, 28));
    Btn_OK->setParent(panels.buttons);
    Btn_Cancel->setParent(panels.buttons);
    connect(Btn_OK, &QPushButton::clicked, this, &TFNew_Project::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    setClientSize(kWidth, kHeight);
    Set_Lang();
}

void TFNew_Project::Set_Lang() {
    setWindowTitle(text(100));
    L_SW_Desc->setText(text(101));
    fitWhenShown(L_SW_Desc);
    Label1->setText(text(102));
    fitWhenShown(Label1);
    E_New_Proj->setToolTip(text(108));
    Btn_OK->setText(text(103));
    Btn_OK->setToolTip(text(109));
    Btn_Cancel->setText(text(104));
    Btn_Cancel->setToolTip(text(110));
}

void TFNew_Project::showEvent(QShowEvent* event) {
    E_New_Proj->clear();
    E_New_Proj->setFocus();
    CorvaneDialog::showEvent(event);
}

void TFNew_Project::Btn_OKClick() {
    const NewConfigurationOutcome outcome = createConfiguration(state_, E_New_Proj->text().toStdString());
    if (outcome == NewConfigurationOutcome::Created) accept();
    else prompts().error(state_.Texts[messageText(outcome)]);
}

} // namespace corvane
