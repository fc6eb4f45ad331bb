#include "gamefiles/gui/GameImagePage.h"

#include "base/gui/CommandControls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TGameImagePage::TGameImagePage(int imageSide, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("GameImageTab"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->hide();
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setFixedSize(imageSide, imageSide);
    Image2->setAlignment(Qt::AlignCenter);
    NoImageLabel = new QLabel(QStringLiteral("No Image"), this);
    NoImageLabel->setObjectName(QStringLiteral("NoImageLabel"));
    QFont bold = NoImageLabel->font();
    bold.setBold(true);
    NoImageLabel->setFont(bold);
    NoImageLabel->setAlignment(Qt::AlignCenter);
    DeleteImageBitBtn = MakeCommandButton(this, TCommand::DeleteImage);
    RefreshImageBitBtn = MakeCommandButton(this, TCommand::RefreshImage);
    ImageHelpBitBtn = MakeCommandButton(this, TCommand::ImageHelp);

    auto* layout = new QHBoxLayout(this);
    auto* imageStack = new QGridLayout;
    imageStack->addWidget(Image2, 0, 0, Qt::AlignCenter);
    imageStack->addWidget(NoImageLabel, 0, 0, Qt::AlignCenter);
    layout->addLayout(imageStack, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {DeleteImageBitBtn, RefreshImageBitBtn, ImageHelpBitBtn})
        buttons->addWidget(button);
    buttons->addStretch(1);
    layout->addLayout(buttons);
}
