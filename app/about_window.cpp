#include "app/about_window.h"

#include "app/maker_web.h"
#include "app/product_picture.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace corvane {

namespace {
constexpr int kWidth = 425;
constexpr int kHeight = 148;
} // namespace

TFAbout::TFAbout(AppState& state, Platform& platform, QWidget* parent) : CorvaneDialog(state, platform, parent) {
    setObjectName("TFAbout");
    setWindowTitle("About...");

    Image2 = new QLabel(this);
    Image2->setObjectName("Image2");
    Image2->setGeometry(32, 24, 81, 81);
    Image2->setScaledContents(true); // the picture is drawn on the first showing, not at every start
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->installEventFilter(this);

    QLabel* title = fixedLabel("Label1", {128, 24}, "Software Corvane ");
    QFont titleFont = programFont(8, true);
    titleFont.setPixelSize(13);
    title->setFont(titleFont);
    fitWhenShown(title);
    Label2 = fixedLabel("Label2", {128, 39});
    fixedLabel("Label6", {128, 62}, "Software Code : ");
    Label9 = fixedLabel("Label9", {240, 62});
    fixedLabel("Label3", {128, 77}, "Version :");
    Label10 = fixedLabel("Label10", {240, 77});
    fixedLabel("Label8", {128, 93}, "Document Code :");
    Label12 = fixedLabel("Label12", {240, 93});

    Label4 = fixedLabel("Label4", {316, 131}, kMakerHost);
    QPalette blue = Label4->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    Label4->setPalette(blue);
    QFont underlined = Label4->font();
    underlined.setUnderline(true);
    Label4->setFont(underlined);
    fitWhenShown(Label4); // and kept inside the window when shown
    Label4->setCursor(Qt::PointingHandCursor);
    Label4->installEventFilter(this);

    QPushButton* ok = addButton("LbButton1", QRect(32, 115, 81, 22));
    ok->setText("OK");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setClientSize(kWidth, kHeight);
}

QLabel* TFAbout::fixedLabel(const char* name, QPoint position, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->move(position);
    fitWhenShown(label);
    return label;
}

void TFAbout::showEvent(QShowEvent* event) {
    if (Image2->pixmap().isNull()) Image2->setPixmap(productPicture(81));
    Image2->show();
    Label4->show();
    const std::pair<QLabel*, const char*> values[] = {
        {Label2, kSoftwareDescription}, {Label9, kSoftwareCode}, {Label10, kSoftwareVersion}, {Label12, kDocumentCode}};
    for (const auto& [label, value] : values) {
        label->setText(value);
        label->adjustSize();
    }
    setClientSize(kWidth, kHeight);
    CorvaneDialog::showEvent(event); // sizes the labels measured on the first showing
    // A font wider than Verdana would push the address past the right edge: keep it inside.
    Label4->move(std::min(316, kWidth - Label4->width() - 4), 131);
}

bool TFAbout::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == Label4 || watched == Image2) && event->type() == QEvent::MouseButtonRelease) Label4Click();
    return CorvaneDialog::eventFilter(watched, event);
}

void TFAbout::Label4Click() { platform_.urls->open(homePageUrl()); }

} // namespace corvane
