#pragma once
// The running copy's ear: a local socket in the user's runtime directory. A
// second start that finds this copy running sends one short request and
// ends; this copy then brings its window forward. orvan-settings sends its
// job there as one line and waits for the answer.
#include <QLocalServer>
#include <QObject>
#include <functional>
#include <string>

class QLocalSocket;

namespace orvan::qt {

class ForwardListener : public QObject {
  public:
    using Answerer = std::function<std::string(const std::string& requestLine)>;

    // Listens at `path` (a socket left there by a copy that crashed is
    // replaced); `forward` runs once per request to come forward, `settings`
    // answers a settings job.
    ForwardListener(const QString& path, std::function<void()> forward, Answerer settings = {},
                    QObject* parent = nullptr);
    bool listening() const { return server_.isListening(); }

  private:
    void accept();
    void take(QLocalSocket* socket);

    QLocalServer server_;
    std::function<void()> forward_;
    Answerer settings_;
};

}  // namespace orvan::qt
