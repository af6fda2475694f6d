#pragma once
// Base of every modal window: the common look (background, Verdana 8 pt, fixed size with only a
// close box, centred), the title labels, access to the state, the catalogue and the prompts.
#include "app/app_state.h"
#include "common/platform.h"

#include <QDialog>
#include <QPointer>
#include <QString>

#include <vector>

class QLabel;
class QPushButton;

namespace corvane {

class CorvaneDialog : public QDialog {
    Q_OBJECT
public:
    CorvaneDialog(AppState& state, Platform& platform, QWidget* parent = nullptr);

    // Applies the catalogue texts to the window's controls.
    virtual void Set_Lang() {}

    // Sizes `label` to its text when the window is next shown (at once when it is showing): measuring
    // text loads fonts and shapes it, work wasted at start on windows that may never be opened.
    void fitWhenShown(QLabel* label);

    // Makes the controls of buildControls() on the first showing, before the window becomes visible.
    void setVisible(bool visible) override;

protected:
    // Catalogue text `index`.
    QString text(int index) const;
    Prompts& prompts() const { return *platform_.prompts; }

    // The title labels L_SW_Code (SoftwareCode, 24 pt grey) and L_SW_Desc (bold grey).
    void addTitleLabels(QPoint codePos = {16, 8}, QPoint descPos = {16, 42});
    // A push button with its object name, at a place and size in the client area.
    QPushButton* addButton(const char* objectName, QRect geometry);
    // Fixes the client size and centres the window on the screen.
    void setClientSize(int width, int height);
    // Sizes the labels waiting for the window's showing; the base showEvent does it before painting.
    void fitWaitingLabels();
    void showEvent(QShowEvent* event) override;
    // The controls a window makes on its first showing rather than at start, where it would be
    // work wasted on a window that may never open. Set_Lang() can tell by controlsBuilt().
    virtual void buildControls() {}
    bool controlsBuilt() const { return controlsBuilt_; }

    AppState& state_;
    Platform& platform_;
    QLabel* L_SW_Code = nullptr;
    QLabel* L_SW_Desc = nullptr;

private:
    std::vector<QPointer<QLabel>> labelsToFit_;
    bool controlsBuilt_ = false;
};

// Sizes a label to its text: at once, or when its window is next shown if that is a CorvaneDialog
// not showing yet.
void fitLabel(QLabel* label);

// The program's font: Verdana where installed, a close sans-serif otherwise.
QFont programFont(int pointSize = 8, bool bold = false);
// Whether a font family is installed (the font database is asked once).
bool fontInstalled(const QString& family);
inline constexpr QRgb kWindowColour = 0xF8F7ED; // RGB(248, 247, 237)

// The look every window shares: the program's font on the window colour.
void applyProgramLook(QWidget* window);

} // namespace corvane
