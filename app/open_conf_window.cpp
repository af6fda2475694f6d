#include "app/open_conf_window.h"

#include "app/configuration_list.h"
#include "app/dialog_panels.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>

namespace corvane {

namespace {
constexpr int kWidth = 377;
constexpr int kHeight = 351;
constexpr int kListTop = 94;
constexpr int kListRightMargin = 26; // the list is 335 wide at the first size
constexpr int kListBottomMargin = 8; // above the button panel
constexpr int kButtonWidth = 110;
constexpr int kButtonGap = 8;
} // namespace

TFOpenConf::TFOpenConf(AppState& state, Platform& platform, QWidget* parent)
    : CorvaneDialog(state, platform, parent) {
    setObjectName("TFOpenConf");
    // Resizable, unlike the other dialogs: the list grows with the window.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    const DialogPanels panels = addDialogPanels(this);
    P_Title = panels.title;
    P_Buttons = panels.buttons;
    addTitleLabels();

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->move(16, 70);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(ListBox1, &QListWidget::itemClicked, this, &TFOpenConf::ListBox1Click);
    // A selection moved with the arrow keys is a choice too, as a click is.
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TFOpenConf::ListBox1Click);

    Btn_OK = new QPushButton(P_Buttons);
    Btn_OK->setObjectName("Btn_OK");
    Btn_Cancel = new QPushButton(P_Buttons);
    Btn_Cancel->setObjectName("Btn_Cancel");
    for (QPushButton* button : {Btn_OK, Btn_Cancel}) button->setAutoDefault(false);
    connect(Btn_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    setMinimumSize(2 * kButtonWidth + kButtonGap + 32, kListTop + kButtonPanelHeight + 40);
    resize(kWidth, kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Set_Lang();
}

void TFOpenConf::Set_Lang() {
    setWindowTitle(text(200));
    L_SW_Desc->setText(text(201));
    fitWhenShown(L_SW_Desc);
    Label1->setText(text(202));
    fitWhenShown(Label1);
    ListBox1->setToolTip(text(205));
    Btn_OK->setText(text(203));
    Btn_OK->setToolTip(text(206));
    Btn_Cancel->setText(text(204));
    Btn_Cancel->setToolTip(text(207));
}

void TFOpenConf::resizeEvent(QResizeEvent* event) {
    const QSize client = event->size();
    DialogPanels{P_Title, P_Buttons}.place(client);
    ListBox1->setGeometry(16, kListTop, client.width() - 16 - kListRightMargin,
                          client.height() - kButtonPanelHeight - kListBottomMargin - kListTop);
    const int cancelLeft = client.width() - 16 - kButtonWidth;
    Btn_Cancel->setGeometry(cancelLeft, 6, kButtonWidth, 28);
    Btn_OK->setGeometry(cancelLeft - kButtonGap - kButtonWidth, 6, kButtonWidth, 28);
    CorvaneDialog::resizeEvent(event);
}

void TFOpenConf::showEvent(QShowEvent* event) {
    Load_Existing_Configuration();
    ListBox1->clear();
    for (const std::string& name : sl_) ListBox1->addItem(QString::fromStdString(name));
    preselect();
    CorvaneDialog::showEvent(event);
}

void TFOpenConf::Load_Existing_Configuration() { sl_ = listConfigurations(state_.ProjectsDir); }

void TFOpenConf::preselect() {
    const int active = Search_Open_Conf(sl_, currentConfigurationName(state_.ProjectsDir, state_.ProjectDir));
    const int chosen = active >= 0 ? active : (sl_.empty() ? -1 : 0);
    if (chosen < 0) return; // an empty list keeps the previous choice
    ListBox1->setCurrentRow(chosen);
    nameConf_ = sl_[static_cast<size_t>(chosen)];
}

void TFOpenConf::ListBox1Click() {
    if (const QListWidgetItem* item = ListBox1->currentItem()) nameConf_ = item->text().toStdString();
}

} // namespace corvane
