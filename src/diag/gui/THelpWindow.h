#pragma once
// The user guide's window: the guide's pages, shown at the start page or at the topic of a
// context number, with Contents, Back and Forward.

#include <QWidget>

class QTextBrowser;
class QToolBar;

class THelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit THelpWindow(QWidget* parent = nullptr);

    void ShowStartPage();
    // The topic of a context number; the start page for a number without one.
    void ShowContext(int context);

    QTextBrowser* Browser;
    QToolBar* ToolBar;

  private:
    void ShowPage(const QString& page);

    bool placed = false;
};
