#include "qt/file_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

#include "qt/control_link.h"

namespace orvan::qt {
namespace {

std::optional<std::string> chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return fromQt(path);
}

QString startingPoint(const ui::FileQuestion& q) {
    const QString suggested = toQt(q.suggested);
    return QDir::isAbsolutePath(suggested) ? suggested : QDir::home().filePath(suggested);
}

}  // namespace

std::optional<std::string> FileDialogs::fileToSave(const ui::FileQuestion& q) {
    return chosen(QFileDialog::getSaveFileName(QApplication::activeWindow(), toQt(q.title),
                                               startingPoint(q), toQt(q.filter)));
}

std::optional<std::string> FileDialogs::fileToOpen(const ui::FileQuestion& q) {
    return chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(), toQt(q.title),
                                               startingPoint(q), toQt(q.filter)));
}

}  // namespace orvan::qt
