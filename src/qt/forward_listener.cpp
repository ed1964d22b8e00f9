#include "qt/forward_listener.h"

#include <QLocalSocket>
#include <QTimer>

#include "shell/platform.h"

namespace orvan::qt {
namespace {

// A request is one short line; anything longer, or slower, is not one.
constexpr qint64 kLongestRequest = 64;
constexpr int kRequestWaitMs = 1000;
constexpr int kPendingConnections = 4;

}  // namespace

ForwardListener::ForwardListener(const QString& path, std::function<void()> forward,
                                 QObject* parent)
    : QObject(parent), server_(this), forward_(std::move(forward)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.setMaxPendingConnections(kPendingConnections);
    QLocalServer::removeServer(path);
    if (!server_.listen(path))
        qWarning("A second start cannot bring this window forward: %s",
                 qPrintable(server_.errorString()));
    connect(&server_, &QLocalServer::newConnection, this, [this] { accept(); });
}

void ForwardListener::accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        QTimer::singleShot(kRequestWaitMs, socket, &QLocalSocket::abort);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            const QByteArray request = socket->read(kLongestRequest);
            socket->abort();
            if (request == shell::kForwardRequest && forward_)
                QTimer::singleShot(0, this, [this] { forward_(); });
        });
    }
}

}  // namespace orvan::qt
