#include "platform/gui/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QThread>
#include <QWidget>

Q_LOGGING_CATEGORY(lcInstance, "pellmora.instance")

namespace {

const QByteArray kActivate = QByteArrayLiteral("activate\n");

QString UserName() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    return user;
}

} // namespace

SingleInstance::SingleInstance(const QString& executablePath, QObject* parent) : QObject(parent) {
    QString identity = QFileInfo(executablePath).canonicalFilePath();
    if (identity.isEmpty())
        identity = QFileInfo(executablePath).absoluteFilePath();
#ifdef Q_OS_WIN
    identity = identity.toLower();
#endif
    const QByteArray hash = QCryptographicHash::hash((UserName() + QLatin1Char('\n') + identity).toUtf8(),
                                                     QCryptographicHash::Sha1)
                                .toHex()
                                .left(20);
    key = QStringLiteral("pellmora-") + QString::fromLatin1(hash);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Register() {
    lock = std::make_unique<QLockFile>(QDir::temp().filePath(key + QStringLiteral(".lock")));
    lock->setStaleLockTime(0);
    // A copy that is starting up may hold the lock before it listens: keep trying briefly.
    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        if (lock->tryLock(0)) {
            server = new QLocalServer(this);
            server->setSocketOptions(QLocalServer::UserAccessOption);
            QLocalServer::removeServer(key);
            server->listen(key);
            connect(server, &QLocalServer::newConnection, this, [this] {
                while (QLocalSocket* socket = server->nextPendingConnection()) {
                    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                        if (socket->readAll().contains(kActivate.trimmed()))
                            Activate();
                        socket->disconnectFromServer();
                    });
                    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
                }
            });
            return true;
        }
        if (AskRunningCopyToActivate())
            return false;
        QThread::msleep(50);
    }
    // The running copy neither answers nor lets go of its lock: it still counts as running.
    return false;
}

bool SingleInstance::AskRunningCopyToActivate() {
    QLocalSocket socket;
    socket.connectToServer(key);
    if (!socket.waitForConnected(500))
        return false;
    socket.write(kActivate);
    socket.waitForBytesWritten(1000);
    socket.waitForDisconnected(1000);
    return true;
}

void SingleInstance::SetWindow(QWidget* w) {
    window = w;
    if (activationPending)
        Activate();
}

void SingleInstance::Activate() {
    qCInfo(lcInstance) << "another start asked this copy to come to the front";
    if (!window) {
        activationPending = true;
        return;
    }
    activationPending = false;
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}
