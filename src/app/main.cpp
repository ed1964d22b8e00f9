// The monitor's entry point: loads the port libraries, builds the window and
// hands control to the shell's start-up.
#include <QApplication>
#include <QEvent>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "history/history_keeper.h"
#include "link/dynamic_common_library.h"
#include "link/dynamic_guidance_library.h"
#include "link/dynamic_port_libraries.h"
#include "link/library_locator.h"
#include "qt/command_line.h"
#include "qt/desktop_notifier.h"
#include "qt/file_dialogs.h"
#include "qt/forward_listener.h"
#include "qt/front_end.h"
#include "qt/qt_event_loop.h"
#include "qt/qt_message_boxes.h"
#include "qt/tray_icon.h"
#include "report/runtime_files.h"
#include "report/status_publisher.h"
#include "shell/data_directory.h"
#include "shell/monitor.h"
#include "shell/platform.h"

namespace {

// The application is told to quit: by the platform when the session ends
// (logout, shutdown: the session manager's "die"), or by code. The monitor
// ends itself with exit(), which sends no Quit, so this is never its own end.
class QuitFilter : public QObject {
  public:
    explicit QuitFilter(std::function<void()> quitting) : quitting_(std::move(quitting)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) quitting_();
        return false;
    }

  private:
    std::function<void()> quitting_;
};

// The command line as one text, the way the start-up compares it.
std::string commandLineText(const QStringList& args) {
    return args.mid(1).join(' ').toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace orvan;
    if (const std::optional<int> answered = qt::answerInformationRequest(argc, argv))
        return *answered;
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // "Minimize" hides into the tray
    // The desktop entry's name: the desktop shows the window with its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("orvan-status-monitor"));
    QApplication::setWindowIcon(qt::programIcon());

    const std::string systemDir = link::systemLibraryDir();
    link::DynamicCommandLibrary commands(
        link::findPortLibrary(link::kCommandLibraryFile, systemDir).value_or(""));
    link::DynamicSettingsLibrary settings(
        link::findPortLibrary(link::kSettingsLibraryFile, systemDir).value_or(""));
    // Optional: without it the grids simply stay uncoloured.
    link::DynamicGuidanceLibrary guidance(
        link::findPortLibrary(link::kGuidanceLibraryFile, systemDir).value_or(""));
    // Optional too: without it a certificate cannot be converted for download.
    link::DynamicCommonLibrary common(
        link::findPortLibrary(link::kCommonLibraryFile, systemDir).value_or(""));

    qt::QtEventLoop loop;
    qt::QtMessageBoxes boxes(nullptr);
    shell::PosixPlatform platform;
    qt::QtTrayIcon tray(&app);
    report::StatusPublisher publisher(report::RuntimePath(report::kStatusFileName));
    qt::DBusNotifier notifier;
    qt::FileDialogs fileDialogs;
    bool ending = false;
    shell::Monitor monitor(shell::Environment{.loop = loop,
                                              .boxes = boxes,
                                              .platform = platform,
                                              .commands = commands,
                                              .settings = settings,
                                              .programDirectory = shell::executableDirectory(),
                                              .executablePath = shell::executablePath(),
                                              .tray = &tray,
                                              .guidance = &guidance,
                                              .common = &common,
                                              .chooser = &fileDialogs,
                                              .publisher = &publisher,
                                              .notifier = &notifier,
                                              .onEnd =
                                                  [&ending] {
                                                      ending = true;
                                                      QCoreApplication::exit(0);
                                                  },
                                              .pictureDirectory = shell::dataDirectory(),
                                              .historyPath = history::DefaultStorePath(true)});

    notifier.onOpen = [&monitor] { monitor.openFromNotification(); };
    if (!monitor.initialise(commandLineText(QApplication::arguments()))) return 0;

    qt::FrontEnd frontEnd(monitor.window(), boxes);
    tray.connectTo([&monitor](int message) { monitor.trayMouse(message); },
                   frontEnd.window().menu(), [&monitor] { monitor.trayChanged(); });
    // Only the copy holding the single-instance lock answers a second start.
    std::unique_ptr<qt::ForwardListener> forwardListener;
    if (monitor.holdsInstanceLock())
        forwardListener = std::make_unique<qt::ForwardListener>(
            QString::fromStdString(report::RuntimePath(shell::kForwardSocketName)),
            [&monitor] { monitor.comeForward(); },
            [&monitor](const std::string& line) { return monitor.answerSettingsRequest(line); });
    // The session really ending reaches us as a Quit, delivered at once even
    // inside a pause; the monitor then ends without saving. A session
    // manager's checkpoint (commitDataRequest alone) leaves it running.
    QuitFilter quit([&monitor] { monitor.queryUnload(shell::UnloadMode::BySystem); });
    app.installEventFilter(&quit);

    monitor.load();
    if (monitor.activate() || ending) return 0;
    const int rc = QApplication::exec();
    monitor.unload();
    return rc;
}
