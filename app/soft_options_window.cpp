#include "app/soft_options_window.h"

#include "app/language_files.h"
#include "app/maker_web.h"
#include "app/version_checker.h"
#include "common/file_error.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>

namespace corvane {

namespace {

// Catalogue indices of the window's texts.
enum Text : int {
    kCaption = 300,
    kDescription = 301,
    kLanguagePage = 302,
    kConnectionPage = 303,
    kSelectedLanguage = 304,
    kPage = 305,
    kPageOf = 306,
    kPrevious = 307,
    kNext = 308,
    kEnableInternet = 309,
    kCheckAtStart = 310,
    kCheckNow = 311,
    kOk = 312,
    kCancel = 313,
    kNewVersion = 314,
    kNoUpdate = 315,
    kAskChangeFrom = 316,
    kAskChangeTo = 317,
    kAskChangeEnd = 318,
    kSettingsPage = 319,
    kJumpTable = 320,
    kAutoSize = 321,
};

constexpr int kClientWidth = 509;
constexpr int kClientHeight = 373;
constexpr int kTitleHeight = 69;
constexpr int kButtonPanelHeight = 40;
constexpr int kFlagSize = 48;

// Where the picture and the label of each language slot stand: slots 1-3 left, 4-6 right.
struct SlotPlace {
    QPoint picture;
    QPoint label;
};
constexpr SlotPlace kSlotPlaces[TFSoftOptions::kSlotCount] = {
    {{24, 40}, {80, 56}},   {{26, 94}, {80, 110}},   {{24, 148}, {80, 164}},
    {{254, 40}, {310, 56}}, {{254, 94}, {310, 110}}, {{254, 148}, {310, 164}},
};

QLabel* addLabel(QWidget* parent, const QString& name, QPoint place) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->move(place);
    return label;
}

QCheckBox* addCheckBox(QWidget* parent, const char* name, QPoint place) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    box->move(place);
    return box;
}

QPushButton* addPageButton(QWidget* parent, const char* name, QRect geometry) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

void setFittedText(QLabel* label, const QString& text) {
    label->setText(text);
    fitLabel(label);
}

void setFittedText(QAbstractButton* button, const QString& text) {
    button->setText(text);
    if (qobject_cast<QCheckBox*>(button)) button->adjustSize();
}

} // namespace

TFSoftOptions::TFSoftOptions(AppState& state, Platform& platform, QWidget* parent)
    : CorvaneDialog(state, platform, parent) {
    setObjectName("TFSoftOptions");
    checker_ = new VersionChecker(platform.http, this);
    connect(checker_, &VersionChecker::finished, this, &TFSoftOptions::showCheckResult);
    setClientSize(kClientWidth, kClientHeight);
    Set_Lang();
}

// The three pages and the buttons, made on the window's first showing.
void TFSoftOptions::buildControls() {
    addTitleLabels();
    PC_Options = new QTabWidget(this);
    PC_Options->setObjectName("PC_Options");
    PC_Options->setGeometry(0, kTitleHeight, kClientWidth, kClientHeight - kTitleHeight - kButtonPanelHeight);
    for (auto [page, name] : {std::pair{&TS_Language, "TS_Language"}, std::pair{&TS_Con_Options, "TS_Con_Options"},
                              std::pair{&TS_Soft_Settings, "TS_Soft_Settings"}}) {
        *page = new QWidget;
        (*page)->setObjectName(name);
        (*page)->setPalette(palette()); // the window's colour, which the flag pictures' margins share
        (*page)->setAutoFillBackground(true);
        PC_Options->addTab(*page, QString());
    }
    buildLanguagePage(TS_Language);
    buildConnectionPage(TS_Con_Options);
    buildSettingsPage(TS_Soft_Settings);

    const int buttonTop = kClientHeight - kButtonPanelHeight + 6;
    Btn_OK = addButton("Btn_OK", QRect(16, buttonTop, 110, 28));
    Btn_Cancel = addButton("Btn_Cancel", QRect(134, buttonTop, 110, 28));
    connect(Btn_OK, &QPushButton::clicked, this, &TFSoftOptions::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    Set_Lang();
}

void TFSoftOptions::buildLanguagePage(QWidget* page) {
    L_Sel_Lang = addLabel(page, "L_Sel_Lang", {12, 11});
    for (int j = 0; j < kSlotCount; ++j) {
        LanguageSlot& slot = slots_[static_cast<size_t>(j)];
        slot.picture = addLabel(page, QString("I_L%1").arg(j + 1), kSlotPlaces[j].picture);
        slot.picture->resize(kFlagSize, kFlagSize);
        slot.picture->setScaledContents(true);
        slot.label = addLabel(page, QString("L_L%1").arg(j + 1), kSlotPlaces[j].label);
        for (QLabel* clickable : {slot.picture, slot.label}) {
            clickable->setCursor(Qt::PointingHandCursor);
            clickable->installEventFilter(this);
        }
    }
    Btn_Prev = addPageButton(page, "Btn_Prev", QRect(12, 204, 110, 28));
    L_Page_Lang = addLabel(page, "L_Page_Lang", {220, 212});
    Btn_Next = addPageButton(page, "Btn_Next", QRect(379, 205, 110, 28));
    for (QPushButton* button : {Btn_Prev, Btn_Next})
        connect(button, &QPushButton::clicked, this, [this, button] { Btn_NextClick(button); });
}

void TFSoftOptions::buildConnectionPage(QWidget* page) {
    CB_En_Con = addCheckBox(page, "CB_En_Con", {12, 16});
    CB_Update = addCheckBox(page, "CB_Update", {36, 47});
    Btn_Check_Update = addPageButton(page, "Btn_Check_Update", QRect(36, 78, 204, 28));
    LL_Check_Update = addLabel(page, "LL_Check_Update", {40, 120});
    LL_Check_Update->setCursor(Qt::PointingHandCursor);
    LL_Check_Update->hide();
    for (QCheckBox* box : {CB_En_Con, CB_Update})
        connect(box, &QCheckBox::toggled, this, &TFSoftOptions::Update_CheckBox);
    connect(Btn_Check_Update, &QPushButton::clicked, this, &TFSoftOptions::Btn_Check_UpdateClick);
    connect(LL_Check_Update, &QLabel::linkActivated, this, [this](const QString& link) {
        if (platform_.urls) platform_.urls->open(link.toStdString());
    });
}

void TFSoftOptions::buildSettingsPage(QWidget* page) {
    CB_Soft_Set_Jump_Table = addCheckBox(page, "CB_Soft_Set_Jump_Table", {12, 16});
    CB_DoubleClick_Auto_Size = addCheckBox(page, "CB_DoubleClick_Auto_Size", {12, 39});
}

void TFSoftOptions::Set_Lang() {
    setWindowTitle(text(kCaption));
    if (!controlsBuilt()) return; // the controls take their texts when they are made
    setFittedText(L_SW_Desc, text(kDescription));
    PC_Options->setTabText(PC_Options->indexOf(TS_Language), text(kLanguagePage));
    PC_Options->setTabText(PC_Options->indexOf(TS_Con_Options), text(kConnectionPage));
    PC_Options->setTabText(PC_Options->indexOf(TS_Soft_Settings), text(kSettingsPage));
    setFittedText(L_Sel_Lang, text(kSelectedLanguage));
    setFittedText(L_Page_Lang, text(kPage) + "1" + text(kPageOf) + "1");
    Btn_Prev->setText(text(kPrevious));
    Btn_Next->setText(text(kNext));
    setFittedText(CB_En_Con, text(kEnableInternet));
    setFittedText(CB_Update, text(kCheckAtStart));
    Btn_Check_Update->setText(text(kCheckNow));
    Btn_OK->setText(text(kOk));
    Btn_Cancel->setText(text(kCancel));
    setFittedText(CB_Soft_Set_Jump_Table, text(kJumpTable));
    setFittedText(CB_DoubleClick_Auto_Size, text(kAutoSize));
}

void TFSoftOptions::showEvent(QShowEvent* event) {
    FormShow();
    CorvaneDialog::showEvent(event);
}

void TFSoftOptions::FormShow() {
    Language_In_Use = state_.LanguageName;
    Create_Lang_List();
    Update_CheckBox();
    LL_Check_Update->hide();
    PC_Options->setCurrentWidget(TS_Language);
    CB_En_Con->setChecked(state_.EnableInternet);
    CB_Update->setChecked(state_.EnableUpdateCheck);
    CB_Soft_Set_Jump_Table->setChecked(state_.EnableJumpFieldTables);
    CB_DoubleClick_Auto_Size->setChecked(state_.DoubleClickAutoSize);
    Update_CheckBox(); // the enabled states follow the final ticks
}

int TFSoftOptions::pageCount() const {
    return (static_cast<int>(SL_Languages.size()) + kSlotCount - 1) / kSlotCount;
}

void TFSoftOptions::Create_Lang_List() {
    SL_Languages = listLanguageFiles(state_.LanguageDir);
    Show_Page = 1;
    Update_Lang_Page(1);
}

void TFSoftOptions::showPageTexts(int page) {
    setFittedText(L_Sel_Lang, text(kSelectedLanguage) + QString::fromStdString(Language_In_Use));
    setFittedText(L_Page_Lang, text(kPage) + QString::number(page) + text(kPageOf) + QString::number(pageCount()));
}

void TFSoftOptions::Update_Lang_Page(int page) {
    showPageTexts(page);
    Btn_Prev->setVisible(page != 1);
    Btn_Next->setVisible(page < pageCount()); // also hidden when there is no language at all
    const int shown = std::min(kSlotCount, static_cast<int>(SL_Languages.size()) - kSlotCount * (page - 1));
    for (int j = 0; j < kSlotCount; ++j) {
        LanguageSlot& slot = slots_[static_cast<size_t>(j)];
        const bool used = j < shown;
        slot.label->setVisible(used);
        slot.picture->setVisible(used);
        if (used) showSlot(slot, languageAt(page, j + 1));
    }
}

void TFSoftOptions::showSlot(LanguageSlot& slot, const std::string& name) {
    setFittedText(slot.label, QString::fromStdString(name));
    const auto picture = flagPicture(state_.LanguageDir, name);
    slot.picture->setVisible(picture.has_value());
    slot.picture->setPixmap(picture ? QPixmap(QString::fromStdString(picture->string())) : QPixmap());
}

std::string TFSoftOptions::languageAt(int page, int slot) const {
    const size_t index = static_cast<size_t>(kSlotCount * (page - 1) + slot - 1);
    return index < SL_Languages.size() ? languageNameOf(SL_Languages[index]) : std::string();
}

void TFSoftOptions::Btn_NextClick(QPushButton* sender) {
    if (sender == Btn_Next && pageCount() >= Show_Page + 1) ++Show_Page;
    if (sender == Btn_Prev && Show_Page - 1 > 0) --Show_Page;
    Update_Lang_Page(Show_Page);
}

bool TFSoftOptions::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int j = 0; j < kSlotCount; ++j) {
            const LanguageSlot& slot = slots_[static_cast<size_t>(j)];
            if (watched == slot.picture || watched == slot.label) {
                LangClick(j + 1);
                return true;
            }
        }
    }
    return CorvaneDialog::eventFilter(watched, event);
}

void TFSoftOptions::LangClick(int slot) {
    const std::string name = languageAt(Show_Page, slot);
    if (name.empty()) return; // a slot without a language
    const std::string question =
        state_.Texts[kAskChangeFrom] + Language_In_Use + state_.Texts[kAskChangeTo] + name + state_.Texts[kAskChangeEnd];
    if (!prompts().confirm(question)) return;

    Language_In_Use = name;
    // The catalogue takes the new language now; LanguageName keeps the stored one until OK.
    const std::string stored = state_.LanguageName;
    state_.LanguageName = name;
    try {
        state_.Texts.InitLanguage(state_.LanguageDir, state_.LanguageName);
    } catch (const FileError&) {
        // an unreadable language file leaves the English defaults, already in place
    }
    state_.LanguageName = stored;

    if (changeLanguage_)
        changeLanguage_();
    else
        Set_Lang();
    showPageTexts(Show_Page);
}

void TFSoftOptions::Update_CheckBox() {
    CB_Update->setEnabled(CB_En_Con->isChecked());
    Btn_Check_Update->setEnabled(CB_Update->isEnabled() && CB_Update->isChecked());
}

void TFSoftOptions::Btn_Check_UpdateClick() { checker_->start(); }

void TFSoftOptions::showCheckResult(bool newer) {
    if (!controlsBuilt()) return; // never shown: nowhere to show the answer
    if (newer) {
        LL_Check_Update->setTextFormat(Qt::RichText);
        LL_Check_Update->setText(QString("<a href=\"%1\">%2</a>")
                                     .arg(QString::fromStdString(downloadPageUrl()), text(kNewVersion).toHtmlEscaped()));
    } else {
        LL_Check_Update->setTextFormat(Qt::PlainText);
        LL_Check_Update->setText(text(kNoUpdate));
    }
    LL_Check_Update->adjustSize();
    LL_Check_Update->show();
}

void TFSoftOptions::Btn_OKClick() {
    state_.LanguageName = Language_In_Use;
    state_.EnableInternet = CB_En_Con->isChecked();
    state_.EnableUpdateCheck = CB_Update->isChecked(); // also when disabled: the tick is kept
    state_.EnableJumpFieldTables = CB_Soft_Set_Jump_Table->isChecked();
    state_.DoubleClickAutoSize = CB_DoubleClick_Auto_Size->isChecked();
    accept(); // the main window then saves the settings and switches its update timer
}

} // namespace corvane
