#include "diag/gui/TAboutBox.h"

#include "base/ProgramTexts.h"
#include "base/gui/DesignScale.h"
#include "base/gui/Dialogs.h"
#include "base/gui/ReadableColour.h"
#include "diag/MakerPages.h"
#include "diag/VersionString.h"
#include "diag/gui/ProgramIcon.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

constexpr QSize DesignClientSize(473, 221);
constexpr int DesignSplashHeight = 185;

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

void MakeLink(QLabel* label, const QString& hint) {
    label->setCursor(Qt::PointingHandCursor);
    label->setToolTip(hint);
    label->setStatusTip(hint);
}

QColor Mix(const QColor& from, const QColor& to) {
    return QColor((from.red() + to.red()) / 2, (from.green() + to.green()) / 2,
                  (from.blue() + to.blue()) / 2);
}

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

TAboutBox::TAboutBox(Dialogs& dialogs, bool& debug, QWidget* parent)
    : QDialog(parent), Beep(&QApplication::beep), dialogs(dialogs), debug(debug) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QCoreApplication::translate("About", "About..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    // Designed for the 9-point font; a larger one makes every size grow with it, as the main
    // window does.
    const TDesignScale px(this);
    setFixedSize(px(DesignClientSize));

    // A raised bevel inside a lowered one, filling the box above the button.
    auto* outer = new QFrame(this);
    outer->setGeometry(px(QRect(8, 8, 457, 169)));
    outer->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel = new QFrame(outer);
    Panel->setObjectName(QStringLiteral("Panel"));
    Panel->setGeometry(2, 2, outer->width() - 4, outer->height() - 4);
    Panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel->setAutoFillBackground(true);

    ProductName = MakeLabel(Panel, QStringLiteral("ProductName"), ProgramName, px(QRect(14, 6, 300, 44)));
    QFont nameFont = ProductName->font();
    nameFont.setPixelSize(px(32));
    nameFont.setBold(true);
    ProductName->setFont(nameFont);

    Version = MakeLabel(Panel, QStringLiteral("Version"), QCoreApplication::translate("About", "Version ?"),
                        px(QRect(16, 52, 300, 18)));
    Version->setCursor(Qt::PointingHandCursor);
    Version->installEventFilter(this);

    Maker1 = MakeLabel(Panel, QStringLiteral("Maker1"),
                       QCoreApplication::translate("About", "Made by Quorvane."), px(QRect(16, 76, 330, 18)));
    Maker2 = MakeLabel(Panel, QStringLiteral("Maker2"),
                       QCoreApplication::translate("About", "Free software: free to use, free to share."),
                       px(QRect(16, 94, 330, 18)));

    DonateLabel1 =
        MakeLabel(Panel, QStringLiteral("DonateLabel1"),
                  QCoreApplication::translate("About", "Please support this free software by making a small"),
                  px(QRect(16, 118, 0, 18)));
    DonateLabel1->adjustSize();
    DonateLabel2 =
        MakeLabel(Panel, QStringLiteral("DonateLabel2"), QCoreApplication::translate("About", "Donation"),
                  QRect(DonateLabel1->geometry().right() + 1 + px(4), px(118), 0, px(18)));
    DonateLabel2->adjustSize();
    MakeLink(DonateLabel2, QCoreApplication::translate("About", "Click here to make a donation."));
    DonateLabel2->installEventFilter(this);

    URLLabel = MakeLabel(Panel, QStringLiteral("URLLabel"), MakerWebSite, px(QRect(16, 138, 0, 18)));
    QFont linkFont = URLLabel->font();
    linkFont.setUnderline(true);
    URLLabel->setFont(linkFont);
    URLLabel->adjustSize();
    MakeLink(URLLabel, QCoreApplication::translate("About", "Click here to go to the website."));
    URLLabel->installEventFilter(this);

    ProgramIcon = MakeLabel(Panel, QStringLiteral("ProgramIcon"), QString(), px(QRect(342, 8, 76, 76)));
    ProgramIcon->setPixmap(PellmoraIcon().pixmap(px(QSize(64, 64))));
    ProgramIcon->setAlignment(Qt::AlignCenter);

    DebugLabel =
        MakeLabel(Panel, QStringLiteral("DebugLabel"), QCoreApplication::translate("About", "Debug Mode On"),
                  px(QRect(310, 88, 140, 18)));
    QFont debugFont = DebugLabel->font();
    debugFont.setBold(true);
    DebugLabel->setFont(debugFont);
    DebugLabel->setAlignment(Qt::AlignCenter);
    DebugLabel->hide();

    OKButton = new QPushButton(QCoreApplication::translate("About", "OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(px(QRect(390, 186, 75, 27)));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
    ShowColours();
}

void TAboutBox::Init() {
    Version->setText(GetVersionString());
    Version->adjustSize();
    DebugLabel->setVisible(debug);
}

void TAboutBox::ToggleDebugMode() {
    debug = !debug;
    DebugLabel->setVisible(debug);
    Beep();
}

void TAboutBox::OKButtonClick() {
    accept();
}

void TAboutBox::URLClick() {
    dialogs.openUrl(QUrl(MakerWebSite));
}

void TAboutBox::DonateClick() {
    dialogs.openUrl(QUrl(MakerDonationPage));
}

void TAboutBox::MakeSplash() {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    OKButton->hide();
    // Without its button row the box is the panel and its frame alone.
    const TDesignScale px(this);
    setFixedSize(px(DesignClientSize.width()), px(DesignSplashHeight));
}

void TAboutBox::showEvent(QShowEvent* event) {
    Init();
    QDialog::showEvent(event);
}

void TAboutBox::changeEvent(QEvent* event) {
    // A new style brings new colours: the labels follow so that they stay readable.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        ShowColours();
    QDialog::changeEvent(event);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
    const bool leftButton =
        (event->type() == QEvent::MouseButtonDblClick || event->type() == QEvent::MouseButtonRelease) &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (leftButton && event->type() == QEvent::MouseButtonDblClick && watched == Version) {
        ToggleDebugMode();
        return true;
    }
    if (leftButton && event->type() == QEvent::MouseButtonRelease) {
        if (watched == URLLabel) {
            URLClick();
            return true;
        }
        if (watched == DonateLabel2) {
            DonateClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// The panel is a medium shade of the current style; the blue and red labels take the shade
// of blue and red that reads on it.
void TAboutBox::ShowColours() {
    const QPalette& base = palette();
    const QColor panel = Mix(base.color(QPalette::Button), base.color(QPalette::Mid));
    QPalette panelPalette = Panel->palette();
    panelPalette.setColor(QPalette::Window, panel);
    panelPalette.setColor(QPalette::WindowText, ReadableTextColour(panel, base.color(QPalette::WindowText)));
    Panel->setPalette(panelPalette);
    const bool dark = panel.lightnessF() < 0.5;
    const QColor blue = dark ? QColor(0x8a, 0xb4, 0xff) : QColor(0x00, 0x2c, 0xc0);
    const QColor red = dark ? QColor(0xff, 0x70, 0x70) : QColor(0xc0, 0x00, 0x00);
    for (QLabel* label : {ProductName, DonateLabel2, URLLabel})
        SetTextColour(label, blue);
    SetTextColour(DebugLabel, red);
}
