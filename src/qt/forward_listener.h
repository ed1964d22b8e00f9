#pragma once
// The running copy's ear for a second start: a local socket in the user's
// runtime directory. A second start that finds this copy running sends one
// short request and ends; this copy then brings its window forward.
#include <QLocalServer>
#include <QObject>
#include <functional>

namespace orvan::qt {

class ForwardListener : public QObject {
  public:
    // Listens at `path` (a socket left there by a copy that crashed is
    // replaced); `forward` runs once per request.
    ForwardListener(const QString& path, std::function<void()> forward, QObject* parent = nullptr);
    bool listening() const { return server_.isListening(); }

  private:
    void accept();

    QLocalServer server_;
    std::function<void()> forward_;
};

}  // namespace orvan::qt
