#include "qt/forward_listener.h"

#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

#include "settings_file/settings_request.h"
#include "shell/platform.h"

namespace orvan::qt {
namespace {

// A request is one line; anything longer, or slower, is not one.
constexpr qint64 kLongestRequest = static_cast<qint64>(settings_file::kMaxRequestBytes);
constexpr int kRequestWaitMs = 1000;
constexpr int kPendingConnections = 4;
constexpr int kAnswerWriteMs = 2000;

}  // namespace

ForwardListener::ForwardListener(const QString& path, std::function<void()> forward,
                                 Answerer settings, QObject* parent)
    : QObject(parent), server_(this), forward_(std::move(forward)), settings_(std::move(settings)) {
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
        auto* deadline = new QTimer(socket);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, socket, &QLocalSocket::abort);
        deadline->start(kRequestWaitMs);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, deadline] {
            if (socket->bytesAvailable() > kLongestRequest) {
                socket->abort();
                return;
            }
            if (!socket->canReadLine()) return;  // the rest of the line is on its way
            deadline->stop();
            take(socket);
        });
    }
}

// One line per connection; the socket is closed once it is answered.
void ForwardListener::take(QLocalSocket* socket) {
    const std::string request = socket->readLine(kLongestRequest + 1).toStdString();
    socket->disconnect(this);
    if (request == shell::kForwardRequest) {
        socket->abort();
        if (forward_) QTimer::singleShot(0, this, [this] { forward_(); });
        return;
    }
    if (!settings_ || request.rfind(settings_file::kRequestPrefix, 0) != 0) {
        socket->abort();
        return;
    }
    // The job runs from the event loop, not inside the socket's signal; the
    // tool may have gone meanwhile.
    QPointer<QLocalSocket> alive(socket);
    QTimer::singleShot(0, this, [this, alive, request] {
        std::string answer;
        try {
            answer = settings_(request);
        } catch (...) {
            answer =
                "{\"problem\": \"the monitor could not carry the job out\", \"printers\": []}\n";
        }
        if (!alive) return;
        alive->write(answer.data(), static_cast<qint64>(answer.size()));
        // Sent before the socket goes, even when the monitor is ending.
        alive->waitForBytesWritten(kAnswerWriteMs);
        alive->disconnectFromServer();
    });
}

}  // namespace orvan::qt
