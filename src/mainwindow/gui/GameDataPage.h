#pragma once
// The Game Data tab: the emulator folder with its two finders, the scan and its counters, the
// verification and its report.

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

    QLineEdit* MAMEDirEdit;
    QToolButton* MAMEDirSelectButton;
    QPushButton* MAMEDirSearchBitBtn;
    QPushButton* ScanForGamesBitBtn;
    QLabel* TotalGamesLabel;
    QLabel* KnownGamesLabel;
    QLabel* UnknownGamesLabel;
    QLabel* ImportDateLabel;
    QPushButton* VerifyAllGamesBtn;
    QPushButton* ViewVerifyReportBitBtn;
    QLabel* VerifyDateLabel;
};
