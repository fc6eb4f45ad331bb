#pragma once
// The Game Data tab: the emulator folder with its two finders, the scan and its counters, the
// game folder of the selected game, the verification and its report.

#include <QWidget>

struct TFolders;
struct TListCounters;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TGameDataPage : public QWidget {
    Q_OBJECT
  public:
    explicit TGameDataPage(QWidget* parent = nullptr);

    // The counters and dates, "None" for a date not set; the report can be viewed once there is one.
    void ShowGameData(const TListCounters& state);
    void ShowMAMEPath(const TFolders& state);
    // The game folder that holds the selected game, empty when none does.
    void ShowGameFolder(const QString& folder);
    // Why the selected game has its status, empty when it has no reason.
    void ShowGameReason(const QString& reason);

    QLineEdit* MAMEDirEdit;
    QToolButton* MAMEDirSelectButton;
    QPushButton* MAMEDirSearchBitBtn;
    QPushButton* ScanForGamesBitBtn;
    QLineEdit* GameFolderEdit;
    QLabel* TotalGamesLabel;
    QLabel* KnownGamesLabel;
    QLabel* UnknownGamesLabel;
    QLabel* ImportDateLabel;
    QPushButton* VerifyAllGamesBtn;
    QPushButton* ViewVerifyReportBitBtn;
    QLabel* VerifyDateLabel;
    QLineEdit* GameReasonEdit;
};
