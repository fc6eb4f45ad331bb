#pragma once
// The Game Image tab: the selected game's snapshot, or "No Image", and the image commands.

#include <QWidget>

class QLabel;
class QPushButton;

class TGameImagePage : public QWidget {
    Q_OBJECT
  public:
    // The snapshot is shown in a square of the given side.
    TGameImagePage(int imageSide, QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Image2;
    QLabel* NoImageLabel;
    QPushButton* DeleteImageBitBtn;
    QPushButton* RefreshImageBitBtn;
    QPushButton* ImageHelpBitBtn;
};
