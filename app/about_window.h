#pragma once
// The About box: product picture, name, description, software code, version, manual code and the
// maker's web link. Its texts are fixed and do not follow the language.
#include "common/corvane_dialog.h"

namespace corvane {

inline constexpr const char* kDocumentCode = "QM51207";

class TFAbout : public CorvaneDialog {
    Q_OBJECT
public:
    TFAbout(AppState& state, Platform& platform, QWidget* parent = nullptr);

    // Opens the maker's home page (clicks on Label4 and on the picture).
    void Label4Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* fixedLabel(const char* name, QPoint position, const QString& text = {});

    QLabel* Image2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label12 = nullptr;
};

} // namespace corvane
