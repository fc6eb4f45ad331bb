#pragma once
// One running copy per user and executable path: a lock file decides who runs, and a
// local socket lets a second start ask the first to come to the front.

#include <QLockFile>
#include <QObject>
#include <QPointer>

#include <memory>

class QLocalServer;
class QWidget;

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    // The identity of a copy: the executable's canonical path, per user.
    explicit SingleInstance(const QString& executablePath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the first copy; it then listens for later starts.
    // False when another copy runs; that copy has been asked to come to the front.
    bool Register();

    // The window a later start brings to the front (restored if minimised).
    void SetWindow(QWidget* window);

  private:
    void Activate();
    bool AskRunningCopyToActivate();

    QString key;
    std::unique_ptr<QLockFile> lock;
    QLocalServer* server = nullptr;
    QPointer<QWidget> window;
    bool activationPending = false;
};
