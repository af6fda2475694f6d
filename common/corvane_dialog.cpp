#include "common/corvane_dialog.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace corvane {

namespace {

const QColor kTitleGrey(128, 128, 128);

// The installed font families, asked of the font database once.
const QStringList& installedFamilies() {
    static const QStringList families = QFontDatabase::families();
    return families;
}

void paintText(QWidget* widget, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

bool fontInstalled(const QString& family) { return installedFamilies().contains(family); }

QFont programFont(int pointSize, bool bold) {
    static const QString family = [] {
        for (const char* name : {"Verdana", "DejaVu Sans", "Liberation Sans", "Arial"})
            if (fontInstalled(QString::fromLatin1(name))) return QString::fromLatin1(name);
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    QFont font(family, pointSize);
    font.setBold(bold);
    return font;
}

CorvaneDialog::CorvaneDialog(AppState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    applyProgramLook(this);
}

void CorvaneDialog::setVisible(bool visible) {
    if (visible && !controlsBuilt_) {
        controlsBuilt_ = true;
        buildControls();
    }
    QDialog::setVisible(visible);
}

void applyProgramLook(QWidget* window) {
    window->setFont(programFont());
    QPalette background = window->palette();
    background.setColor(QPalette::Window, QColor(kWindowColour));
    window->setPalette(background);
    window->setAutoFillBackground(true);
}

QString CorvaneDialog::text(int index) const { return QString::fromStdString(state_.Texts[index]); }

void CorvaneDialog::addTitleLabels(QPoint codePos, QPoint descPos) {
    L_SW_Code = new QLabel(QString::fromStdString(state_.SoftwareCode), this);
    L_SW_Code->setObjectName("L_SW_Code");
    L_SW_Code->setFont(programFont(24));
    paintText(L_SW_Code, kTitleGrey); // a palette: a style sheet per label would slow the start
    L_SW_Code->move(codePos);
    fitWhenShown(L_SW_Code);

    L_SW_Desc = new QLabel(this);
    L_SW_Desc->setObjectName("L_SW_Desc");
    L_SW_Desc->setFont(programFont(8, true));
    paintText(L_SW_Desc, kTitleGrey);
    L_SW_Desc->move(descPos);
}

void CorvaneDialog::fitWhenShown(QLabel* label) {
    if (isVisible()) {
        label->adjustSize();
        return;
    }
    for (const QPointer<QLabel>& waiting : labelsToFit_)
        if (waiting == label) return;
    labelsToFit_.emplace_back(label);
}

void CorvaneDialog::fitWaitingLabels() {
    for (const QPointer<QLabel>& label : labelsToFit_)
        if (label) label->adjustSize();
    labelsToFit_.clear();
}

void CorvaneDialog::showEvent(QShowEvent* event) {
    fitWaitingLabels();
    QDialog::showEvent(event);
}

void fitLabel(QLabel* label) {
    if (auto* dialog = qobject_cast<CorvaneDialog*>(label->window())) dialog->fitWhenShown(label);
    else label->adjustSize();
}

QPushButton* CorvaneDialog::addButton(const char* objectName, QRect geometry) {
    auto* button = new QPushButton(this);
    button->setObjectName(objectName);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

void CorvaneDialog::setClientSize(int width, int height) {
    setFixedSize(width, height);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width / 2, height / 2));
    }
}

} // namespace corvane
