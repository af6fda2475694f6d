#include "app/dialog_panels.h"

#include <QFrame>

namespace corvane {

namespace {

// A panel with a silver rule along one edge (the rule is a child, so it follows the panel).
QFrame* panel(QWidget* dialog, const char* name) {
    auto* frame = new QFrame(dialog);
    frame->setObjectName(name);
    auto* rule = new QFrame(frame);
    rule->setObjectName("rule");
    QPalette silver = rule->palette();
    silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    rule->setPalette(silver);
    rule->setAutoFillBackground(true);
    return frame;
}

void placeRule(QFrame* panel, int top) {
    panel->findChild<QFrame*>("rule", Qt::FindDirectChildrenOnly)->setGeometry(0, top, panel->width(), 1);
}

} // namespace

DialogPanels addDialogPanels(QWidget* dialog) { return {panel(dialog, "P_Title"), panel(dialog, "P_Buttons")}; }

void DialogPanels::place(QSize client) const {
    title->setGeometry(0, 0, client.width(), kTitlePanelHeight);
    buttons->setGeometry(0, client.height() - kButtonPanelHeight, client.width(), kButtonPanelHeight);
    placeRule(title, kTitlePanelHeight - 1);
    placeRule(buttons, 0);
}

} // namespace corvane
