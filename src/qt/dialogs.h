#pragma once
// The dialogs on screen, each its form bound to its model: built when the
// model's window is first shown (start-up pays for none of them), over the
// dialog it opens from, then shown and hidden with the model, modal while
// the model's open() runs.
#include <QDialog>
#include <QObject>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "shell/screen.h"

namespace orvan::qt {

class Dialogs : public QObject {
  public:
    // `dialogs` must outlive this object; `window` is the main window.
    Dialogs(QWidget* window, const std::vector<shell::Screen>& dialogs);
    ~Dialogs() override;

    // The dialog of that form; null until it was first shown.
    QDialog* dialog(const std::string& form) const;

    // Runs once a dialog has been built and bound, before it shows: what its
    // form cannot say is added here.
    std::function<void(const std::string& form, QDialog* dialog)> onBuilt;

  private:
    void build(const shell::Screen& screen);

    QWidget* window_;
    const std::vector<shell::Screen>& dialogs_;
    std::vector<int> observers_;
    std::map<std::string, QDialog*> built_;
};

}  // namespace orvan::qt
