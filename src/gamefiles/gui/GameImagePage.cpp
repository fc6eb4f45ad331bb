#include "gamefiles/gui/GameImagePage.h"

#include "base/gui/CommandControls.h"
#include "gamefiles/Snapshot.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

TGameImagePage::TGameImagePage(int imageSide, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("GameImageTab"));
    // The picture's place: the snapshot at its top-left corner, or "No Image" in its middle.
    auto* picturePlace = new QWidget(this);
    picturePlace->setFixedSize(imageSide, imageSide);
    Image2 = new QLabel(picturePlace);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(0, 0, imageSide, imageSide);
    Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    NoImageLabel = new QLabel(QCoreApplication::translate("GameImage", "No Image"), picturePlace);
    NoImageLabel->setObjectName(QStringLiteral("NoImageLabel"));
    NoImageLabel->setGeometry(0, 0, imageSide, imageSide);
    QFont bold = NoImageLabel->font();
    bold.setBold(true);
    NoImageLabel->setFont(bold);
    NoImageLabel->setAlignment(Qt::AlignCenter);
    ClearImageBitBtn = MakeCommandButton(this, TCommand::DeleteImage);
    RefreshImageBitBtn = MakeCommandButton(this, TCommand::RefreshImage);
    ImageHelpBitBtn = MakeCommandButton(this, TCommand::ImageHelp);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picturePlace, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addStretch(1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {ClearImageBitBtn, RefreshImageBitBtn, ImageHelpBitBtn})
        buttons->addWidget(button);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    ShowNoImage();
}

void TGameImagePage::ShowPicture(const QImage& picture) {
    const QSize shown = FitInside(picture.size(), Image2->size());
    // Scaled in true colour: a palette picture (a 1-bit one above all) would otherwise be
    // scaled within its palette and come out as a grey dither.
    const QImage fitted =
        shown == picture.size()
            ? picture
            : picture
                  .convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                             : QImage::Format_RGB32)
                  .scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    Image2->setPixmap(QPixmap::fromImage(fitted));
    Image2->show();
    NoImageLabel->hide();
    ClearImageBitBtn->setEnabled(true);
}

void TGameImagePage::ShowNoImage(bool fileThere) {
    Image2->clear();
    Image2->hide();
    NoImageLabel->show();
    ClearImageBitBtn->setEnabled(fileThere);
}
