// The monitor's entry point. For now it brings up the main window frame; the
// real start-up takes over the body of main() and reuses buildMainWindow().
#include <QApplication>

#include "qt/main_window.h"
#include "qt/qt_event_loop.h"
#include "shell/main_form.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    orvan::shell::MainForm model;
    orvan::qt::QtEventLoop loop;
    auto window = orvan::qt::buildMainWindow(model);
    orvan::shell::wireMinimize(model);
    // Until the shell asks before ending, the close box simply ends.
    model.form.onCloseRequested = [] { QApplication::quit(); };
    model.form.setVisible(true);
    return app.exec();
}
