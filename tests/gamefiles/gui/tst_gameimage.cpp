// The Game Image tab: the snapshot follows the current row (clicks, keys, sorts), is scaled
// into its box, and Delete Image, Refresh and Image Help do what their names say.

#include "base/AppState.h"
#include "gamefiles/gui/GameImagePage.h"
#include "gamelist/GameListModel.h"
#include "gamelist/gui/TSortGrid.h"
#include "mainwindow/gui/TForm1.h"
#include "support/ListWindow.h"
#include "support/WindowRules.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QtTest>

namespace {

const QByteArray Games = ",Good,\"Pac-Man\",PACMAN.ZIP\r\n"
                         ",Good,\"Galaga\",galaga.7z\r\n"
                         ",?,\"Dig Dug\",digdug\r\n"
                         ",Bad,\"Xevious\",xevious.zip\r\n";

void WritePicture(const QString& file, QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(file, "PNG"));
}

struct ImageWindow : ListWindow {
    ImageWindow() : ListWindow(Games) {}
    QString Snap(const char* name) const {
        return env.mamePath() + QStringLiteral("snap/") + QLatin1String(name);
    }
    TGameImagePage& Page() const { return *form->Context().GameImage; }
    // The size of the picture shown, or an invalid size for "No Image".
    QSize Shown() const {
        const TGameImagePage& page = Page();
        if (page.Image2->isHidden())
            return page.NoImageLabel->isHidden() ? QSize(-2, -2) : QSize(); // neither state: a fault
        if (!page.NoImageLabel->isHidden() || !page.ClearImageBitBtn->isEnabled())
            return QSize(-2, -2);
        return page.Image2->pixmap().size();
    }
    bool Deletable() const { return Page().ClearImageBitBtn->isEnabled(); }
    void Select(const char* name) const { QVERIFY(SelectGame(QString::fromUtf8(name))); }
};

} // namespace

class TestGameImage : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { VerifyNoWindowLeftOpen(); }
    void snapshotFollowsTheCurrentRow();
    void damagedPictureIsOneLogLineNotAFailure();
    void palettePictureKeepsItsColoursWhenScaled();
    void deleteRefreshAndHelp();
};

void TestGameImage::snapshotFollowsTheCurrentRow() {
    ImageWindow w;
    WritePicture(w.Snap("pacman.png"), QSize(640, 480)); // the row says PACMAN.ZIP
    WritePicture(w.Snap("galaga.png"), QSize(200, 150));
    w.Select("Pac-Man");
    QCOMPARE(w.Shown(), QSize(238, 178));
    QCOMPARE(w.Page().Image2->pos(), QPoint(0, 0));
    w.Select("Galaga");
    QCOMPARE(w.Shown(), QSize(200, 150));
    w.Select("Dig Dug");
    QCOMPARE(w.Shown(), QSize());
    QVERIFY(!w.Deletable()); // no file

    // A key in the grid moves the row and the picture with it.
    w.Grid().setFocus();
    QTest::keyClick(&w.Grid(), Qt::Key_P);
    QCOMPARE(w.CurrentName(), QStringLiteral("Pac-Man"));
    QCOMPARE(w.Shown(), QSize(238, 178));

    // After a sort the selection event runs again for the game at its new row: a picture
    // replaced meanwhile shows.
    w.Select("Galaga");
    WritePicture(w.Snap("galaga.png"), QSize(120, 90));
    w.ClickHeader(colGameName); // descending: Galaga moves from row 2 to row 3
    QCOMPARE(w.Grid().Row(), 3);
    QCOMPARE(w.CurrentName(), QStringLiteral("Galaga"));
    QCOMPARE(w.Shown(), QSize(120, 90));
}

void TestGameImage::damagedPictureIsOneLogLineNotAFailure() {
    ImageWindow w;
    w.env.writeFile(w.Snap("xevious.png"), "\x89PNG not really");
    w.Select("Xevious");
    QCOMPARE(w.Shown(), QSize());
    QVERIFY(w.LogTabText().contains(w.Snap("xevious.png")));
    QCOMPARE(w.LogTabText().count(QStringLiteral("cannot be shown")), 1);
    QVERIFY(w.dialogs.records().isEmpty()); // no box from the failure handler

    // The file is there, so it can be deleted although it cannot be shown.
    QVERIFY(w.Deletable());
    QTest::mouseClick(w.Page().ClearImageBitBtn, Qt::LeftButton);
    QVERIFY(!QFile::exists(w.Snap("xevious.png")));
    QCOMPARE(w.Shown(), QSize());
    QVERIFY(!w.Deletable());
}

void TestGameImage::palettePictureKeepsItsColoursWhenScaled() {
    ImageWindow w;
    // A 1-bit picture with a palette of its own: red on the left half, blue on the right.
    QImage picture(QSize(640, 480), QImage::Format_Mono);
    picture.setColorTable({qRgb(200, 0, 0), qRgb(0, 0, 200)});
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, x < picture.width() / 2 ? 0 : 1);
    QVERIFY(picture.save(w.Snap("pacman.png"), "PNG"));
    QCOMPARE(QImage(w.Snap("pacman.png")).format(), QImage::Format_Mono); // read back as 1-bit

    w.Select("Pac-Man");
    QCOMPARE(w.Shown(), QSize(238, 178));
    const QImage shown = w.Page().Image2->pixmap().toImage();
    for (int y : {10, 89, 170}) {
        QCOMPARE(QColor(shown.pixel(30, y)), QColor(200, 0, 0));
        QCOMPARE(QColor(shown.pixel(200, y)), QColor(0, 0, 200));
    }
}

void TestGameImage::deleteRefreshAndHelp() {
    ImageWindow w;
    w.Select("Galaga");
    QCOMPARE(w.Shown(), QSize());
    // A snapshot taken during play shows on Refresh without moving in the list.
    WritePicture(w.Snap("galaga.png"), QSize(100, 300));
    QTest::mouseClick(w.Page().RefreshImageBitBtn, Qt::LeftButton);
    QCOMPARE(w.Shown(), QSize(79, 238));

    QTest::mouseClick(w.Page().ClearImageBitBtn, Qt::LeftButton);
    QVERIFY(!QFile::exists(w.Snap("galaga.png")));
    QCOMPARE(w.Shown(), QSize());
    w.Select("Pac-Man");
    w.Select("Galaga");
    QCOMPARE(w.Shown(), QSize());

    w.dialogs.expectMessage("Snapshots of game images (SNAPs) are created during game play", mrOk);
    QTest::mouseClick(w.Page().ImageHelpBitBtn, Qt::LeftButton);
    QVERIFY(w.dialogs.records().last().text.startsWith(QStringLiteral(
        "Snapshots of game images (SNAPs) are created during game play by pressing the F12 key.")));
}

QTEST_MAIN(TestGameImage)
#include "tst_gameimage.moc"
