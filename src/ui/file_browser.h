#pragma once
// The drive, folder and file lists of a file chooser and the path box that
// shows the chosen file: the certificate chooser and the firmware browser
// share this logic. On Linux a "drive" is a mounted volume.
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/file_system.h"
#include "ui/message_box.h"

namespace orvan::ui {

inline constexpr const char* kDriveNotReady = "Drive is not ready.";

// A folder list sits in a frame that clips it, with a scroll bar of
// kFolderShiftSteps steps below: each step moves the list left and widens it
// by the same amount, so the ends of long folder names come into view while
// its right edge stays put.
inline constexpr int kFolderShiftStep = 150;  // twips
inline constexpr int kFolderShiftSteps = 10;

// The volumes; each row opens its volume's root.
class DriveList : public ComboBox {
  public:
    using ComboBox::ComboBox;
    void setVolumes(const std::vector<Volume>& volumes);
    // The root of row `index` ("" outside the list).
    std::string root(int index) const;

  private:
    std::vector<std::string> roots_;
};

// The open folder with the folders above it and its sub-folders, one row
// each, indented by depth. The open folder's row is selected.
class DirList : public ListBox {
  public:
    using ListBox::ListBox;
    const std::string& path() const { return path_; }
    void show(const std::string& path, const std::vector<std::string>& subFolders);
    std::string rowPath(int index) const;

  private:
    std::string path_;
    std::vector<std::string> rowPaths_;
};

// The files of a folder that fit the pattern.
class FileList : public ListBox {
  public:
    using ListBox::ListBox;
    const std::string& path() const { return path_; }
    const std::string& pattern() const { return pattern_; }
    void show(const std::string& path, const std::string& pattern,
              const std::vector<std::string>& names);

  private:
    std::string path_, pattern_;
};

// Places a list laid out `laidOutWidth` twips wide for a scroll bar at `step`.
void ShiftFolderList(DirList& list, int laidOutWidth, int step);

class FileBrowser {
  public:
    struct Lists {
        DriveList& drive;
        DirList& dir;
        FileList& files;
        TextBox& path;  // the chosen file's full path
    };

    // Installs the lists' handlers: choosing a drive opens its root, a double
    // click on a folder opens it, a click on a file shows its path, and the
    // folder or file list getting the focus reads the open folder again.
    FileBrowser(FileSystem& fs, MessageBoxes& boxes, Lists lists);

    // Opens a folder with a pattern: the drive that holds it, its folders,
    // its files with the first one chosen, and the path box.
    void open(const std::string& folder, const std::string& pattern);
    // Opens another folder with the same pattern. False (nothing changes)
    // when it cannot be read.
    bool openFolder(const std::string& folder);
    // Reads the open folder again, so that what was made or removed there
    // while the browser was open shows; the chosen file stays chosen while
    // it is there. A list that has not changed is left as it is.
    void reread();

  private:
    void chooseDrive();
    void showChosenFile();
    int driveOf(const std::string& folder) const;

    FileSystem& fs_;
    MessageBoxes& boxes_;
    Lists lists_;
    std::string pattern_;
    int shownDrive_ = -1;
    bool settingDrive_ = false;
};

}  // namespace orvan::ui
