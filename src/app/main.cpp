// The monitor's entry point: loads the port libraries, builds the window and
// hands control to the shell's start-up.
#include <QApplication>
#include <QSessionManager>
#include <QStringList>

#include "link/dynamic_port_libraries.h"
#include "link/library_locator.h"
#include "qt/front_end.h"
#include "qt/qt_event_loop.h"
#include "qt/qt_message_boxes.h"
#include "qt/tray_icon.h"
#include "shell/monitor.h"
#include "shell/platform.h"

namespace {

// The command line as one text, the way the start-up compares it.
std::string commandLineText(const QStringList& args) {
    return args.mid(1).join(' ').toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace orvan;
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // "Minimize" hides into the tray

    const std::string systemDir = link::systemLibraryDir();
    link::DynamicCommandLibrary commands(
        link::findPortLibrary(link::kCommandLibraryFile, systemDir).value_or(""));
    link::DynamicSettingsLibrary settings(
        link::findPortLibrary(link::kSettingsLibraryFile, systemDir).value_or(""));

    qt::QtEventLoop loop;
    qt::QtMessageBoxes boxes(nullptr);
    shell::PosixPlatform platform;
    qt::QtTrayIcon tray(&app);
    shell::Monitor monitor(shell::Environment{loop, boxes, platform, commands, settings,
                                              shell::executableDirectory(), shell::executablePath(),
                                              &tray});
    bool ending = false;
    monitor.onEnd = [&ending] {
        ending = true;
        QCoreApplication::exit(0);
    };

    if (!monitor.initialise(commandLineText(QApplication::arguments()))) return 0;

    qt::FrontEnd frontEnd(monitor, boxes);
    // Windows going down with the session end at once and save nothing.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, [&monitor](QSessionManager&) {
        monitor.queryUnload(shell::UnloadMode::BySystem);
    });

    monitor.load();
    if (monitor.activate() || ending) return 0;
    const int rc = QApplication::exec();
    monitor.unload();
    return rc;
}
