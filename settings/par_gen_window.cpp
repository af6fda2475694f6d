#include "settings/par_gen_window.h"

#include "common/file_error.h"
#include "settings/caption_box.h"
#include "settings/par_gen_check.h"
#include "settings/par_gen_layout.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

namespace corvane {

namespace {

using namespace par_gen_geometry;
using K = ParGenKey;

enum class BoxId { Ethernet, Dali };

// One row per key: the control that shows it, where, and its catalogue texts (-1: none).
struct FieldInfo {
    K key;
    const char* objectName;
    BoxId box;
    QRect geometry; // inside the box
    int captionIndex;
    int hintIndex;
};

constexpr QRect byteField(int column, int top) { return {kByteFieldLefts[column], top, kByteFieldWidth, kFieldHeight}; }

const FieldInfo kFields[kParGenKeyCount] = {
    {K::IP1, "E_IP1", BoxId::Ethernet, byteField(0, kIpFieldTop), -1, 427},
    {K::IP2, "E_IP2", BoxId::Ethernet, byteField(1, kIpFieldTop), -1, 428},
    {K::IP3, "E_IP3", BoxId::Ethernet, byteField(2, kIpFieldTop), -1, 429},
    {K::IP4, "E_IP4", BoxId::Ethernet, byteField(3, kIpFieldTop), -1, 430},
    {K::SUB1, "E_SM1", BoxId::Ethernet, byteField(0, kMaskFieldTop), -1, 431},
    {K::SUB2, "E_SM2", BoxId::Ethernet, byteField(1, kMaskFieldTop), -1, 432},
    {K::SUB3, "E_SM3", BoxId::Ethernet, byteField(2, kMaskFieldTop), -1, 433},
    {K::SUB4, "E_SM4", BoxId::Ethernet, byteField(3, kMaskFieldTop), -1, 434},
    {K::EN_GAT, "CB_ModTCPs_EN_GAT", BoxId::Ethernet, {16, kGatewayCheckTop, kGatewayCheckWidth, kCheckHeight}, 407, 435},
    {K::GAT1, "E_GAT1", BoxId::Ethernet, byteField(0, kGatewayFieldTop), -1, 436},
    {K::GAT2, "E_GAT2", BoxId::Ethernet, byteField(1, kGatewayFieldTop), -1, 437},
    {K::GAT3, "E_GAT3", BoxId::Ethernet, byteField(2, kGatewayFieldTop), -1, 438},
    {K::GAT4, "E_GAT4", BoxId::Ethernet, byteField(3, kGatewayFieldTop), -1, 439},
    {K::ConsolePort, "E_DALI_Console_Port", BoxId::Dali, {kDaliFieldLeft, kConsolePortTop, kDaliFieldWidth, kFieldHeight}, -1, 465},
    {K::SwitchOff, "CB_DALI_SwitchOff", BoxId::Dali, {kDaliLabelLeft, kSwitchOffTop, kDaliCheckWidth, kCheckHeight}, 553, 555},
    {K::TimeOut, "E_DALI_TimeOut", BoxId::Dali, {kDaliFieldLeft, kTimeOutFieldTop, kDaliFieldWidth, kFieldHeight}, -1, 556},
    {K::DisableScan, "CB_DALI_Disable_Scan", BoxId::Dali, {kDaliLabelLeft, kDisableScanTop, kDaliCheckWidth, kCheckHeight}, 1290, 1291},
    {K::EnableDali2, "CB_DALI_En_DALI2", BoxId::Dali, {kDaliLabelLeft, kEnableDali2Top, kDaliCheckWidth, kCheckHeight}, 1292, 1293},
};

// The fields the '.' key walks through, in order.
constexpr K kAddressKeys[12] = {K::IP1, K::IP2, K::IP3, K::IP4, K::SUB1, K::SUB2,
                                K::SUB3, K::SUB4, K::GAT1, K::GAT2, K::GAT3, K::GAT4};

// Tab order: the Ethernet box with its check box last, then the DALI box top to bottom.
constexpr K kTabOrder[kParGenKeyCount] = {K::IP1, K::IP2, K::IP3, K::IP4, K::SUB1, K::SUB2,
                                          K::SUB3, K::SUB4, K::GAT1, K::GAT2, K::GAT3, K::GAT4,
                                          K::EN_GAT, K::ConsolePort, K::SwitchOff, K::TimeOut,
                                          K::DisableScan, K::EnableDali2};

constexpr int kEthernetCaption = 468, kDaliCaption = 463;
constexpr int kIpLabel = 405, kMaskLabel = 406, kPortLabel = 408, kPortHint = 440;
constexpr int kConsolePortLabel = 464, kTimeOutLabel = 554;
constexpr int kCollapseHint = 409, kExpandHint = 410;
constexpr int kCaption = 400, kDescription = 401, kOk = 402, kCancel = 403, kOkHint = 425, kCancelHint = 426;
constexpr int kExitWithoutSaving = 424;

QLabel* addLabel(QWidget* parent, const char* objectName, QPoint position) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->move(position);
    return label;
}

QGroupBox* addBox(QWidget* parent, const char* objectName) {
    auto* box = new CaptionBox(parent);
    box->setObjectName(objectName);
    return box;
}

QToolButton* addToggle(QWidget* parent, const QString& objectName, Qt::ArrowType arrow) {
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setArrowType(arrow);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(kToggleLeft, kToggleTop, kToggleSize, kToggleSize);
    return button;
}

} // namespace

TFParGen::TFParGen(AppState& state, Platform& platform, QWidget* parent) : CorvaneDialog(state, platform, parent) {
    setClientSize(kClientWidth, parGenLayout(true, true).clientHeight);
    Set_Lang();
}

// Some forty controls, made on the window's first showing.
void TFParGen::buildControls() {
    addTitleLabels();
    buildEthernetBox();
    buildDaliBox();
    buildButtons();
    setTabOrder();
    showValues(defaultParGenValues()); // what a first opening shows if the file cannot be read
    GB_Modbus_TCP_Slave_.group->hide();
    GB_DALI_.group->hide();
    Collapse_Expand_Creation();
    Move_GroupBoxs();
    Set_Lang();
}

void TFParGen::buildEthernetBox() {
    Box& box = GB_Modbus_TCP_Slave_;
    box.group = addBox(this, "GB_Modbus_TCP_Slave");
    box.group->setGeometry(kBoxLeft, kEthernetTop, kBoxWidth, kEthernetExpandedHeight);
    L_ModTCPs_IP = addLabel(box.group, "L_ModTCPs_IP", {16, kIpLabelTop});
    L_ModTCPs_SM = addLabel(box.group, "L_ModTCPs_SM", {16, kMaskLabelTop});
    box.captionLineControls = {L_ModTCPs_IP};
    for (int row : {kIpFieldTop, kMaskFieldTop, kGatewayFieldTop})
        for (int column = 0; column < 3; ++column) {
            QLabel* dot = addLabel(box.group, "", {kDotLefts[column], row + kDotOffset});
            dot->setText(".");
        }
    // The Modbus port of sibling gateways: kept hidden in this product.
    L_ModTCPs_Port = addLabel(box.group, "L_ModTCPs_Port", {16, kGatewayFieldTop});
    E_PORT = new QLineEdit(box.group);
    E_PORT->setObjectName("E_PORT");
    L_ModTCPs_Port->hide();
    E_PORT->hide();
}

void TFParGen::buildDaliBox() {
    Box& box = GB_DALI_;
    box.group = addBox(this, "GB_DALI");
    box.group->setGeometry(kBoxLeft, kEthernetTop + kEthernetExpandedHeight + kBoxGap, kBoxWidth, kDaliExpandedHeight);
    L_DALI_Console_Port = addLabel(box.group, "L_DALI_Console_Port", {kDaliLabelLeft, kConsoleLabelTop});
    L_DALI_TimeOut = addLabel(box.group, "L_DALI_TimeOut", {kDaliLabelLeft, kTimeOutLabelTop});

    for (const FieldInfo& info : kFields) {
        QWidget* parentBox = info.box == BoxId::Ethernet ? GB_Modbus_TCP_Slave_.group : GB_DALI_.group;
        QWidget* field = nullptr;
        if (parGenKeyInfo(info.key).isFlag) {
            auto* checkBox = new QCheckBox(parentBox);
            connect(checkBox, &QCheckBox::toggled, this, &TFParGen::On_Change);
            field = checkBox;
        } else {
            auto* lineEdit = new QLineEdit(parentBox);
            connect(lineEdit, &QLineEdit::textChanged, this, &TFParGen::On_Change);
            field = lineEdit;
        }
        field->setObjectName(info.objectName);
        field->setGeometry(info.geometry);
        fields_[static_cast<std::size_t>(info.key)] = field;
    }
    for (std::size_t i = 0; i < addressFields_.size(); ++i) {
        addressFields_[i] = edit(kAddressKeys[i]);
        addressFields_[i]->installEventFilter(this);
    }
    box.captionLineControls = {L_DALI_Console_Port, edit(K::ConsolePort)};
}

void TFParGen::buildButtons() {
    Btn_OK = addButton("Btn_OK", {kOkLeft, 0, kButtonWidth, kButtonHeight});
    Btn_Cancel = addButton("Btn_Cancel", {kCancelLeft, 0, kButtonWidth, kButtonHeight});
    connect(Btn_OK, &QPushButton::clicked, this, &TFParGen::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &TFParGen::Btn_CancelClick);
}

void TFParGen::setTabOrder() {
    for (std::size_t i = 0; i + 1 < kParGenKeyCount; ++i)
        QWidget::setTabOrder(fields_[static_cast<std::size_t>(kTabOrder[i])], fields_[static_cast<std::size_t>(kTabOrder[i + 1])]);
    QWidget::setTabOrder(fields_[static_cast<std::size_t>(kTabOrder[kParGenKeyCount - 1])], Btn_OK);
    QWidget::setTabOrder(Btn_OK, Btn_Cancel);
}

void TFParGen::Collapse_Expand_Creation() {
    int index = 0;
    for (Box* box : {&GB_Modbus_TCP_Slave_, &GB_DALI_}) {
        const QString suffix = index++ == 0 ? "Modbus_TCP_Slave" : "DALI";
        box->visible = true;
        box->collapse = addToggle(box->group, "Btn_" + suffix + "_Collapse", Qt::UpArrow);
        box->expand = addToggle(box->group, "Btn_" + suffix + "_Expande", Qt::DownArrow);
        box->collapse->show();
        box->expand->hide();
        connect(box->collapse, &QToolButton::clicked, this, [this, box] { Btn_GB_Collapse(*box); });
        connect(box->expand, &QToolButton::clicked, this, [this, box] { Btn_GB_Expande(*box); });
    }
}

void TFParGen::Move_GroupBoxs() {
    const ParGenLayout layout = parGenLayout(GB_Modbus_TCP_Slave_.visible, GB_DALI_.visible);
    GB_Modbus_TCP_Slave_.group->show();
    GB_Modbus_TCP_Slave_.group->setGeometry(kBoxLeft, kEthernetTop, kBoxWidth, layout.ethernetHeight);
    L_ModTCPs_Port->hide();
    E_PORT->hide();
    GB_DALI_.group->show();
    GB_DALI_.group->setGeometry(kBoxLeft, layout.daliTop, kBoxWidth, layout.daliHeight);
    Btn_OK->move(kOkLeft, layout.buttonsTop);
    Btn_Cancel->move(kCancelLeft, layout.buttonsTop);
    setFixedSize(kClientWidth, layout.clientHeight);
}

void TFParGen::Btn_GB_Collapse(Box& box) {
    for (QWidget* control : box.captionLineControls) control->hide();
    box.collapse->hide();
    box.expand->show();
    box.visible = false;
    setBoxControlsFocusable(box, false);
    Move_GroupBoxs();
}

void TFParGen::Btn_GB_Expande(Box& box) {
    for (QWidget* control : box.captionLineControls) control->show();
    box.collapse->show();
    box.expand->hide();
    box.visible = true;
    setBoxControlsFocusable(box, true);
    Move_GroupBoxs();
}

// The controls of a collapsed box lie clipped below its caption line: keep Tab and '.' out of them.
void TFParGen::setBoxControlsFocusable(Box& box, bool focusable) {
    for (const FieldInfo& info : kFields) {
        QWidget* field = fields_[static_cast<std::size_t>(info.key)];
        if (field->parentWidget() == box.group) field->setFocusPolicy(focusable ? Qt::StrongFocus : Qt::NoFocus);
    }
    if (!focusable && box.group->isAncestorOf(focusWidget())) Btn_OK->setFocus();
}

void TFParGen::showEvent(QShowEvent* event) {
    CorvaneDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TFParGen::FormShow() {
    try {
        showValues(windowValues(readParGenFile(state_.Files.ParGenPath)));
    } catch (const std::exception& error) {
        // A malformed file: the fields keep what they showed before.
        prompts().error(error.what());
    }
    Is_Change = false;
    Move_GroupBoxs();
    if (y() < 0) move(x(), 0);
}

ParGenValues TFParGen::values() const {
    ParGenValues values;
    for (const ParGenKeyInfo& info : parGenKeys()) {
        if (info.isFlag) values.setFlag(info.key, check(info.key)->isChecked());
        else values[info.key] = edit(info.key)->text().toStdString();
    }
    return values;
}

void TFParGen::showValues(const ParGenValues& values) {
    for (const ParGenKeyInfo& info : parGenKeys()) {
        if (info.isFlag) check(info.key)->setChecked(values.flag(info.key));
        else edit(info.key)->setText(QString::fromStdString(values[info.key]));
    }
}

bool TFParGen::Controllo_Dati() {
    const std::vector<int> failing = failingParGenRules(values());
    if (failing.empty()) return true;
    prompts().error(state_.Texts[failing.front()]);
    return false;
}

void TFParGen::Btn_OKClick() {
    if (!Controllo_Dati()) return;
    try {
        writeParGenFile(state_.Files.ParGenPath, values());
    } catch (const std::exception& error) {
        prompts().error(error.what()); // the window stays open with the user's values
        return;
    }
    accept();
}

void TFParGen::Btn_CancelClick() {
    if (Is_Change && !prompts().confirm(state_.Texts[kExitWithoutSaving])) return;
    reject();
}

// Escape goes the way of the Cancel button, so typed values are never dropped without the question.
void TFParGen::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Btn_CancelClick();
        return;
    }
    CorvaneDialog::keyPressEvent(event);
}

bool TFParGen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->text() != ".")
        return CorvaneDialog::eventFilter(watched, event);
    // '.' is never typed into an address field: it moves on to the next one, selecting its text.
    QLineEdit* next = nextAddressField(watched);
    if (next && next->isEnabled() && next->isVisible() && next->focusPolicy() != Qt::NoFocus) {
        next->setFocus(Qt::TabFocusReason);
        next->selectAll();
    }
    return true;
}

QLineEdit* TFParGen::nextAddressField(const QObject* field) const {
    for (std::size_t i = 0; i + 1 < addressFields_.size(); ++i)
        if (addressFields_[i] == field) return addressFields_[i + 1];
    return nullptr;
}

QLineEdit* TFParGen::edit(K key) const { return static_cast<QLineEdit*>(fields_[static_cast<std::size_t>(key)]); }
QCheckBox* TFParGen::check(K key) const { return static_cast<QCheckBox*>(fields_[static_cast<std::size_t>(key)]); }

void TFParGen::Set_Lang() {
    setWindowTitle(text(kCaption));
    if (!controlsBuilt()) return; // the controls take their texts when they are made
    L_SW_Desc->setText(text(kDescription));
    fitWhenShown(L_SW_Desc);
    Btn_OK->setText(text(kOk));
    Btn_Cancel->setText(text(kCancel));
    Btn_OK->setToolTip(text(kOkHint));
    Btn_Cancel->setToolTip(text(kCancelHint));
    GB_Modbus_TCP_Slave_.group->setTitle(text(kEthernetCaption));
    GB_DALI_.group->setTitle(text(kDaliCaption));
    const std::pair<QLabel*, int> labels[] = {{L_ModTCPs_IP, kIpLabel},         {L_ModTCPs_SM, kMaskLabel},
                                              {L_ModTCPs_Port, kPortLabel},     {L_DALI_Console_Port, kConsolePortLabel},
                                              {L_DALI_TimeOut, kTimeOutLabel}};
    for (auto [label, index] : labels) {
        label->setText(text(index));
        fitWhenShown(label);
    }
    E_PORT->setToolTip(text(kPortHint));
    for (const FieldInfo& info : kFields) {
        QWidget* field = fields_[static_cast<std::size_t>(info.key)];
        field->setToolTip(text(info.hintIndex));
        if (info.captionIndex >= 0) static_cast<QCheckBox*>(field)->setText(text(info.captionIndex));
    }
    for (Box* box : {&GB_Modbus_TCP_Slave_, &GB_DALI_}) {
        box->collapse->setToolTip(text(kCollapseHint));
        box->expand->setToolTip(text(kExpandHint));
    }
}

} // namespace corvane
