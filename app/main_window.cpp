#include "app/main_window.h"

#include "app/about_window.h"
#include "app/flat_button.h"
#include "app/main_window_layout.h"
#include "app/maker_web.h"
#include "app/new_project_window.h"
#include "app/open_conf_window.h"
#include "app/settings_file.h"
#include "app/shell_icons.h"
#include "app/version_checker.h"
#include "common/corvane_dialog.h"
#include "common/file_error.h"
#include "image/image_builder.h"
#include "update/boot_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <span>

namespace corvane {

namespace {

const QColor kGrey(128, 128, 128);

// Text or line colour through the palette: a style sheet per control would slow the start.
void paint(QWidget* widget, QPalette::ColorRole role, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QLabel* greyLabel(QWidget* parent, const char* name, QPoint position, bool bold) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(programFont(8, bold));
    paint(label, QPalette::WindowText, kGrey);
    label->move(position);
    return label;
}

// A plain silver outline (a box, or a line when one pixel high).
QFrame* shape(QWidget* parent, const char* name, QRect geometry) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    frame->setFrameStyle((geometry.height() == 1 ? QFrame::HLine : QFrame::Box) | QFrame::Plain);
    paint(frame, QPalette::WindowText, QColor(0xC0, 0xC0, 0xC0));
    return frame;
}

} // namespace

TFCorvanoFirmWare::TFCorvanoFirmWare(AppState& state, Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), platform_(platform) {
    setObjectName("TFCorvanoFirmWare");
    layOut();
    Timer_Update = new QTimer(this);
    Timer_Update->setObjectName("Timer_Update");
    Timer_Update->setInterval(kFirstCheckMs);
    connect(Timer_Update, &QTimer::timeout, this, &TFCorvanoFirmWare::Timer_UpdateTimer);
    checker_ = new VersionChecker(platform_.http, this);
    connect(checker_, &VersionChecker::finished, this, &TFCorvanoFirmWare::showUpdateLink);
    applyUpdateTimerRule();
    Set_Lang();
}

QString TFCorvanoFirmWare::text(int index) const { return QString::fromStdString(state_.Texts[index]); }

void TFCorvanoFirmWare::layOut() {
    setWindowTitle(QString::fromStdString(state_.AppCaption));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    applyProgramLook(this);

    addTitle();
    addConfigurationFrame();
    addStepLabels();
    addStepButtons();
    addIconButtons();
    addLinks();
    shape(this, "Shape1", QRect(10, 244 + 51, 674, 1));

    setFixedSize(kMainClientWidth, kMainClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFCorvanoFirmWare::addTitle() {
    L_SW_Code = new QLabel(QString::fromStdString(state_.SoftwareCode), this);
    L_SW_Code->setObjectName("L_SW_Code");
    L_SW_Code->setFont(programFont(24));
    paint(L_SW_Code, QPalette::WindowText, kGrey);
    L_SW_Code->move(16, 8);
    L_SW_Code->adjustSize();
    L_SW_Desc = greyLabel(this, "L_SW_Desc", {16, 42}, true);
    L_SW_Desc->setText(QString::fromStdString(state_.SoftwareDescription));
    L_SW_Desc->adjustSize();
}

void TFCorvanoFirmWare::addConfigurationFrame() {
    shape(this, "Shape2", QRect(80, 70, 348, 36));
    L_Name_Conf = greyLabel(this, "L_Name_Conf", {87, 75}, false);
    L_Name_Conf_L2 = greyLabel(this, "L_Name_Conf_L2", {87, 88}, false);
}

void TFCorvanoFirmWare::addStepLabels() {
    for (const LabelPlace& place : kStepLabels) {
        QLabel* label = greyLabel(this, place.name, {place.left, place.top}, true);
        label->setVisible(place.visible);
    }
}

void TFCorvanoFirmWare::addStepButtons() {
    for (const ButtonPlace& place : kMainButtons) {
        auto* button = new FlatButton(this);
        button->setObjectName(place.name);
        button->setGeometry(place.left, place.top, place.width, place.height);
        button->setVisible(place.visible);
        button->setCaptionLeft(QLatin1String(place.name) == QLatin1String("Btn_New"));
        connect(button, &QPushButton::clicked, this, [this, button] { Btn_Click(button); });
    }
}

void TFCorvanoFirmWare::addIconButtons() {
    const QIcon icons[] = {informationIcon(), optionsIcon(), closeIcon()};
    for (size_t i = 0; i < kIconButtons.size(); ++i) {
        const ButtonPlace& place = kIconButtons[i];
        auto* button = new FlatButton(this);
        button->setObjectName(place.name);
        button->setGeometry(place.left, place.top, place.width, place.height);
        button->setIcon(icons[i]);
        button->setIconSize(QSize(36, 36));
        connect(button, &QPushButton::clicked, this, [this, button] { Btn_Click(button); });
    }
}

void TFCorvanoFirmWare::addLinks() {
    LL_Update = new QLabel(this);
    LL_Update->setObjectName("LL_Update");
    LL_Update->setGeometry(208, 19, 294, 17);
    LL_Update->setTextFormat(Qt::RichText);
    LL_Update->setVisible(false);
    connect(LL_Update, &QLabel::linkActivated, this,
            [this](const QString& link) { platform_.urls->open(link.toStdString()); });

    L_Telvor = greyLabel(this, "L_Telvor", {565, 260}, true);
    L_Telvor->setText(kMakerHost);
    L_Telvor->adjustSize();
    L_Telvor->setCursor(Qt::PointingHandCursor);
    L_Telvor->installEventFilter(this);
}

void TFCorvanoFirmWare::Set_Lang() {
    for (const LabelPlace& place : kStepLabels) {
        auto* label = findChild<QLabel*>(place.name);
        label->setText(text(place.text));
        label->adjustSize();
    }
    applyButtonTexts(kMainButtons.data(), kMainButtons.size());
    applyButtonTexts(kIconButtons.data(), kIconButtons.size());
    showConfigurationLabels();
}

void TFCorvanoFirmWare::applyButtonTexts(const ButtonPlace* places, size_t count) {
    for (const ButtonPlace& place : std::span(places, count)) {
        auto* button = findChild<QPushButton*>(place.name);
        if (place.captionText != kNoText) button->setText(text(place.captionText));
        if (place.hintText != kNoText) button->setToolTip(text(place.hintText));
    }
}

void TFCorvanoFirmWare::showConfigurationLabels() {
    const bool active = state_.hasProject();
    L_Name_Conf->setText(text(active ? kTextOpenedConfiguration : kTextNoConfiguration));
    L_Name_Conf_L2->setText(active ? QString::fromStdString(state_.ProjectName) : text(kTextUseStep1));
    L_Name_Conf->adjustSize();
    L_Name_Conf_L2->adjustSize();
}

void TFCorvanoFirmWare::Change_Language() {
    Set_Lang();
    const ShellWindows& w = windows_;
    for (CorvaneDialog* window : std::initializer_list<CorvaneDialog*>{w.newProject, w.openConf, w.softOptions,
                                                                        w.boot, w.parGen, w.daliAccess})
        if (window) window->Set_Lang();
}

bool TFCorvanoFirmWare::Save_Setting() {
    try {
        writeSettingsFile(state_.AppDir / kSettingsFileName, state_);
        return true;
    } catch (const FileError& error) {
        platform_.prompts->error(error.what());
        return false;
    }
}

void TFCorvanoFirmWare::closeEvent(QCloseEvent* event) {
    Save_Setting();
    QWidget::closeEvent(event);
}

bool TFCorvanoFirmWare::eventFilter(QObject* watched, QEvent* event) {
    if (watched == L_Telvor && event->type() == QEvent::MouseButtonRelease)
        platform_.urls->open(homePageUrl());
    return QWidget::eventFilter(watched, event);
}

void TFCorvanoFirmWare::Btn_Click(QObject* sender) {
    const QString name = sender->objectName();
    if (name == "Btn_New") return Create_New_Project();
    if (name == "Btn_Open") return Open_Project();
    if (name == "Btn_Close") {
        close();
        return;
    }
    if (name == "Btn_Info") {
        if (windows_.about) windows_.about->exec();
        return;
    }
    if (name == "Btn_Opz") {
        if (windows_.softOptions && windows_.softOptions->exec() == QDialog::Accepted) {
            Save_Setting();
            applyUpdateTimerRule();
        }
        return;
    }
    if (state_.ProjectDir.empty()) {
        platform_.prompts->error(state_.Texts[kTextProjectNotValid]);
        return;
    }
    if (name == "Btn_Prm_Gen") {
        showEditor(windows_.parGen); // the DMX defaults check that follows does nothing in this product
        return;
    }
    if (name == "Btn_DALI_Access") {
        showEditor(windows_.daliAccess);
        return;
    }
    if (name == "Btn_CreateBin") Update_Device();
    // The sibling models' editors are not built: their hidden buttons open nothing.
}

void TFCorvanoFirmWare::showEditor(CorvaneDialog* window) {
    if (window) window->exec(); // an editor saves its own files on OK
}

void TFCorvanoFirmWare::Create_New_Project() {
    if (!windows_.newProject || windows_.newProject->exec() != QDialog::Accepted) return;
    showConfigurationLabels(); // the dialog has activated the new configuration
}

void TFCorvanoFirmWare::Open_Project() {
    auto* openConf = windows_.openConf;
    if (!openConf || openConf->exec() != QDialog::Accepted) return;
    // A name whose folder has gone (an empty list returns the previous choice) leaves no
    // configuration active rather than one without a folder.
    state_.activateProject(openConf->Name_Conf());
    showConfigurationLabels();
}

void TFCorvanoFirmWare::Update_Device() {
    if (!windows_.boot) return;
    // The images are rebuilt on every press, before the update window opens. A project file that
    // cannot be read or taken by the device, or an image that cannot be written, stops here: the
    // update window never offers stale images.
    try {
        const char separator = platform_.regional ? platform_.regional->decimalSeparator() : '.';
        WriteImageFiles(BuildImages(state_.Files, separator), state_.ProjectDir);
    } catch (const FileError& error) { // an ImageBuildError too
        platform_.prompts->error(error.what());
        return;
    }
    windows_.boot->Form_Type = 1; // Ethernet
    windows_.boot->exec();
}

void TFCorvanoFirmWare::applyUpdateTimerRule() {
    const bool wanted = state_.EnableInternet && state_.EnableUpdateCheck;
    if (!wanted) Timer_Update->stop();
    else if (!Timer_Update->isActive()) Timer_Update->start();
}

void TFCorvanoFirmWare::Timer_UpdateTimer() {
    Timer_Update->stop();
    // The answer comes back through showUpdateLink, which restarts the timer; a check still on its
    // way delivers its answer the same way.
    checker_->start();
}

void TFCorvanoFirmWare::showUpdateLink(bool newerVersion) {
    if (newerVersion) {
        LL_Update->setText(QString("<a href=\"%1\">%2</a>")
                               .arg(QString::fromStdString(downloadPageUrl()), text(kTextNewVersion).toHtmlEscaped()));
    }
    LL_Update->setVisible(newerVersion);
    Timer_Update->setInterval(kLaterChecksMs);
    // The options may have switched the check off while the answer was on its way.
    if (state_.EnableInternet && state_.EnableUpdateCheck) Timer_Update->start();
}

} // namespace corvane
