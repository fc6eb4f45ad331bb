#include "platform/gui/TaskbarProgress.h"

#include "base/ProgramTexts.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QVariantMap>

namespace {

// A session bus the desktop runs. Without one, asking Qt for the session bus could start a bus
// of its own through X11 autolaunch, which no dock listens to.
bool SessionBusRuns() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(QDir(runtime).filePath(QStringLiteral("bus")));
}

// The launcher entry protocol: the dock matches the desktop entry named in the first argument.
class LauncherEntryProgress : public TaskbarProgress {
  public:
    void Show(double fraction, bool visible) override {
        if (!SessionBusRuns())
            return;
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return;
        QDBusMessage update = QDBusMessage::createSignal(
            QStringLiteral("/com/canonical/unity/launcherentry/%1").arg(QCoreApplication::applicationPid()),
            QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
        const QVariantMap properties{{QStringLiteral("progress"), fraction},
                                     {QStringLiteral("progress-visible"), visible}};
        update << DesktopEntryUri() << properties;
        bus.send(update);
    }

  private:
    static QString DesktopEntryUri() {
        QString name = QGuiApplication::desktopFileName();
        if (name.isEmpty())
            name = DesktopEntryName;
        return QStringLiteral("application://") + name + QStringLiteral(".desktop");
    }
};

} // namespace

std::unique_ptr<TaskbarProgress> CreatePlatformTaskbarProgress(QWidget*) {
    return std::make_unique<LauncherEntryProgress>();
}
