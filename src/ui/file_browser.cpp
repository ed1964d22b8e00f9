#include "ui/file_browser.h"

#include <algorithm>

namespace orvan::ui {

void DriveList::setVolumes(const std::vector<Volume>& volumes) {
    clear();
    roots_.clear();
    for (const Volume& v : volumes) {
        addItem(v.name);
        roots_.push_back(v.root);
    }
}

std::string DriveList::root(int index) const {
    return index >= 0 && index < static_cast<int>(roots_.size())
               ? roots_[static_cast<std::size_t>(index)]
               : std::string();
}

void DirList::show(const std::string& path, const std::vector<std::string>& subFolders) {
    // The folders from the root down to the open one, then its sub-folders.
    std::vector<std::string> chain;
    for (std::string p = path;; p = parentFolder(p)) {
        chain.push_back(p);
        if (parentFolder(p) == p) break;
    }
    std::reverse(chain.begin(), chain.end());
    clear();
    rowPaths_.clear();
    path_ = path;
    auto row = [this](const std::string& rowPath, std::size_t depth) {
        const std::size_t cut = rowPath.rfind(kPathSeparator);
        const std::string name =
            depth == 0 || cut == std::string::npos ? rowPath : rowPath.substr(cut + 1);
        addItem(std::string(2 * depth, ' ') + name);
        rowPaths_.push_back(rowPath);
    };
    for (std::size_t depth = 0; depth < chain.size(); ++depth) row(chain[depth], depth);
    for (const std::string& name : subFolders) row(joinPath(path, name), chain.size());
    setListIndex(static_cast<int>(chain.size()) - 1);
}

std::string DirList::rowPath(int index) const {
    return index >= 0 && index < static_cast<int>(rowPaths_.size())
               ? rowPaths_[static_cast<std::size_t>(index)]
               : std::string();
}

void FileList::show(const std::string& path, const std::string& pattern,
                    const std::vector<std::string>& names) {
    path_ = path;
    pattern_ = pattern;
    clear();
    for (const std::string& name : names)
        if (matchesPattern(name, pattern)) addItem(name);
}

FileBrowser::FileBrowser(FileSystem& fs, MessageBoxes& boxes, Lists lists)
    : fs_(fs), boxes_(boxes), lists_(lists) {
    lists_.drive.onClick = [this] { chooseDrive(); };
    lists_.dir.onDoubleClick = [this] { openFolder(lists_.dir.rowPath(lists_.dir.listIndex())); };
    lists_.files.onClick = [this] { showChosenFile(); };
    lists_.dir.onGotFocus = [this] { reread(); };
    lists_.files.onGotFocus = [this] { reread(); };
}

int FileBrowser::driveOf(const std::string& folder) const {
    int best = -1;
    std::size_t bestLength = 0;
    for (int i = 0; i < lists_.drive.count(); ++i) {
        const std::string root = lists_.drive.root(i);
        const bool holds =
            folder == root || (folder.starts_with(root) && (root.ends_with(kPathSeparator) ||
                                                            folder[root.size()] == kPathSeparator));
        if (holds && root.size() >= bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    return best;
}

void FileBrowser::open(const std::string& folder, const std::string& pattern) {
    pattern_ = pattern;
    settingDrive_ = true;
    lists_.drive.setVolumes(fs_.volumes());
    shownDrive_ = driveOf(folder);
    lists_.drive.setListIndex(shownDrive_);
    settingDrive_ = false;
    if (!openFolder(folder)) lists_.files.show(folder, pattern_, {});
}

bool FileBrowser::openFolder(const std::string& folder) {
    if (folder.empty()) return false;
    const auto subFolders = fs_.folders(folder);
    const auto files = fs_.files(folder);
    if (!subFolders || !files) return false;
    lists_.dir.show(folder, *subFolders);
    lists_.files.show(folder, pattern_, *files);
    // The first file is chosen; with none the path box holds the folder.
    if (lists_.files.count() > 0) lists_.files.setListIndex(0);
    showChosenFile();
    return true;
}

void FileBrowser::reread() {
    const std::string folder = lists_.dir.path();
    if (folder.empty()) return;
    const auto subFolders = fs_.folders(folder);
    const auto files = fs_.files(folder);
    if (!subFolders || !files) return;
    // Only a changed list is shown again: rebuilding one under the mouse
    // would move what the user is about to click.
    DirList dirs{lists_.dir.name()};
    dirs.show(folder, *subFolders);
    if (dirs.items() != lists_.dir.items()) {
        const int row = lists_.dir.listIndex();
        lists_.dir.show(folder, *subFolders);
        if (row < lists_.dir.count()) lists_.dir.setListIndex(row);
    }
    FileList names{lists_.files.name()};
    names.show(folder, pattern_, *files);
    if (names.items() == lists_.files.items()) return;
    const std::string chosen = lists_.files.text();
    lists_.files.show(folder, pattern_, *files);
    const auto& items = lists_.files.items();
    const auto found = std::find(items.begin(), items.end(), chosen);
    if (found != items.end())
        lists_.files.setListIndex(static_cast<int>(found - items.begin()));
    else if (!items.empty())
        lists_.files.setListIndex(0);
    showChosenFile();
}

void FileBrowser::chooseDrive() {
    if (settingDrive_) return;
    const int chosen = lists_.drive.listIndex();
    const std::string root = lists_.drive.root(chosen);
    if (!root.empty() && openFolder(root)) {
        shownDrive_ = chosen;
        return;
    }
    warn(boxes_, kDriveNotReady);
    // The folder list stays as it was, so the drive shown goes back too.
    settingDrive_ = true;
    lists_.drive.setListIndex(shownDrive_);
    settingDrive_ = false;
}

void FileBrowser::showChosenFile() {
    lists_.path.setText(joinPath(lists_.files.path(), lists_.files.text()));
}

void ShiftFolderList(DirList& list, int laidOutWidth, int step) {
    const int shift = kFolderShiftStep * step;
    list.setLeft(-shift);
    list.setWidth(laidOutWidth + shift);
}

}  // namespace orvan::ui
