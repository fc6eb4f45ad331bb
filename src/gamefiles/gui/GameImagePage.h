#pragma once
// The Game Image tab: the selected game's snapshot, or "No Image", and the image commands.

#include <QWidget>

class QImage;
class QLabel;
class QPushButton;

class TGameImagePage : public QWidget {
    Q_OBJECT
  public:
    // The snapshot is shown in a square of the given side.
    TGameImagePage(int imageSide, QWidget* parent = nullptr);

    // The picture in Image2's top-left corner, scaled down to fit with its aspect kept;
    // "Delete Image" enabled.
    void ShowPicture(const QImage& picture);
    // "No Image" in the middle of the picture's place. "Delete Image" is enabled when a file is
    // there all the same (one that cannot be shown is still the user's to delete).
    void ShowNoImage(bool fileThere = false);

    QLabel* Image2;
    QLabel* NoImageLabel;
    QPushButton* ClearImageBitBtn;
    QPushButton* RefreshImageBitBtn;
    QPushButton* ImageHelpBitBtn;
};
