// The file browsers' lists over a made-up disk: which drive, folders and
// files they show, what the path box says, and a volume that cannot be read.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "ui/file_browser.h"
#include "ui/scripted_message_boxes.h"

namespace orvan::ui {
namespace {

// Folders by path: their sub-folders and files. A path that is not listed
// cannot be read.
struct FakeDisk : FileSystem {
    struct Folder {
        std::vector<std::string> folders, files;
    };
    std::vector<Volume> mounted = {{"/", "/"}, {"/media/usb", "/media/usb"}};
    std::map<std::string, Folder> tree = {
        {"/", {{"home", "media"}, {}}},
        {"/home", {{"ann"}, {}}},
        {"/home/ann", {{"fw", "keys"}, {"notes.txt"}}},
        {"/home/ann/fw", {{}, {"A.PRF", "b.cfg", "c.tbl", "d.lmf", "readme.txt", "e.PRF.bak"}}},
        {"/media", {{"usb"}, {}}},
    };
    std::vector<Volume> volumes() override { return mounted; }
    std::optional<std::vector<std::string>> folders(const std::string& p) override {
        auto it = tree.find(p);
        return it == tree.end() ? std::nullopt : std::optional(it->second.folders);
    }
    std::optional<std::vector<std::string>> files(const std::string& p) override {
        auto it = tree.find(p);
        return it == tree.end() ? std::nullopt : std::optional(it->second.files);
    }
};

struct BrowserRig {
    FakeDisk disk;
    ScriptedMessageBoxes boxes;
    DriveList drive{"Drive6"};
    DirList dir{"Dir6"};
    FileList files{"File6"};
    TextBox path{"Text6"};
    FileBrowser browser{disk, boxes, {drive, dir, files, path}};
};

constexpr const char* kFirmware = "*.PRF;*.CFG;*.TBL;*.LMF";

TEST(FileBrowser, OpensOnAFolderWithItsDriveFoldersAndFirstMatchingFile) {
    BrowserRig rig;
    rig.browser.open("/home/ann/fw", kFirmware);
    EXPECT_EQ(rig.drive.text(), "/");
    EXPECT_EQ(rig.dir.items(), (std::vector<std::string>{"/", "  home", "    ann", "      fw"}));
    EXPECT_EQ(rig.dir.listIndex(), 3);
    // Letter case does not matter; a longer extension is not a match.
    EXPECT_EQ(rig.files.items(), (std::vector<std::string>{"A.PRF", "b.cfg", "c.tbl", "d.lmf"}));
    EXPECT_EQ(rig.path.text(), "/home/ann/fw/A.PRF");

    rig.files.setListIndex(2);  // a click on a file
    EXPECT_EQ(rig.path.text(), "/home/ann/fw/c.tbl");
}

TEST(FileBrowser, ADoubleClickOpensAFolderAndAnEmptyFolderLeavesOnlyItsPath) {
    BrowserRig rig;
    rig.browser.open("/home/ann/fw", kFirmware);
    rig.dir.setListIndex(2);  // "ann"
    rig.dir.doubleClick();
    EXPECT_EQ(rig.dir.path(), "/home/ann");
    EXPECT_EQ(rig.dir.items().back(), "      keys");
    EXPECT_EQ(rig.dir.rowPath(4), "/home/ann/keys");
    EXPECT_EQ(rig.files.count(), 0);  // notes.txt does not fit
    EXPECT_EQ(rig.path.text(), "/home/ann/");

    rig.dir.setListIndex(4);  // "keys" cannot be read: nothing changes
    rig.dir.doubleClick();
    EXPECT_EQ(rig.dir.path(), "/home/ann");
}

TEST(FileBrowser, AVolumeThatCannotBeReadIsNotReadyAndChangesNothing) {
    BrowserRig rig;
    rig.browser.open("/home/ann/fw", kFirmware);
    rig.drive.setListIndex(1);  // /media/usb is mounted but unreadable
    ASSERT_EQ(rig.boxes.shown().size(), 1u);
    EXPECT_EQ(rig.boxes.shown()[0].text, "Drive is not ready.");
    EXPECT_EQ(rig.boxes.shown()[0].icon, Icon::Warning);
    EXPECT_EQ(rig.drive.listIndex(), 0);
    EXPECT_EQ(rig.dir.path(), "/home/ann/fw");

    rig.disk.tree["/media/usb"] = {{}, {"new.PRF"}};
    rig.drive.setListIndex(1);
    EXPECT_EQ(rig.dir.path(), "/media/usb");
    EXPECT_EQ(rig.dir.items(), (std::vector<std::string>{"/", "  media", "    usb"}));
    EXPECT_EQ(rig.path.text(), "/media/usb/new.PRF");
    EXPECT_EQ(rig.boxes.shown().size(), 1u);
}

// What appears in the open folder while the browser is open shows when a
// list gets the focus, the chosen file staying chosen.
TEST(FileBrowser, AListGettingTheFocusShowsWhatWasMadeMeanwhile) {
    BrowserRig rig;
    rig.browser.open("/home/ann/fw", kFirmware);
    rig.files.setListIndex(1);  // b.cfg
    rig.disk.tree["/home/ann/fw"].files.insert(rig.disk.tree["/home/ann/fw"].files.begin(),
                                               "0.PRF");
    rig.disk.tree["/home/ann/fw"].folders.push_back("old");
    rig.files.gotFocus();
    EXPECT_EQ(rig.files.items(),
              (std::vector<std::string>{"0.PRF", "A.PRF", "b.cfg", "c.tbl", "d.lmf"}));
    EXPECT_EQ(rig.files.listIndex(), 2);
    EXPECT_EQ(rig.path.text(), "/home/ann/fw/b.cfg");
    EXPECT_EQ(rig.dir.items().back(), "        old");
    EXPECT_EQ(rig.dir.listIndex(), 3);

    // The chosen file gone, the first is chosen; the folder list's focus rereads too.
    auto& files = rig.disk.tree["/home/ann/fw"].files;
    files.erase(std::find(files.begin(), files.end(), "b.cfg"));
    rig.dir.gotFocus();
    EXPECT_EQ(rig.files.count(), 4);
    EXPECT_EQ(rig.path.text(), "/home/ann/fw/0.PRF");

    // A folder that can no longer be read leaves the lists alone.
    rig.disk.tree.erase("/home/ann/fw");
    rig.files.gotFocus();
    EXPECT_EQ(rig.files.count(), 4);
    EXPECT_EQ(rig.boxes.shown().size(), 0u);
}

TEST(FilePaths, JoinParentAndPatterns) {
    EXPECT_EQ(joinPath("/", "a"), "/a");
    EXPECT_EQ(joinPath("/x", "a"), "/x/a");
    EXPECT_EQ(joinPath("/x/", ""), "/x/");
    EXPECT_EQ(parentFolder("/x/y/"), "/x");
    EXPECT_EQ(parentFolder("/x"), "/");
    EXPECT_EQ(parentFolder("/"), "/");
    EXPECT_TRUE(matchesPattern("cert.P12", "*.pfx;*.p12"));
    EXPECT_TRUE(matchesPattern("a.key", "*.key"));
    EXPECT_TRUE(matchesPattern("x1.cer", "x?.cer"));
    EXPECT_FALSE(matchesPattern("a.keys", "*.key"));
    EXPECT_FALSE(matchesPattern("a.key", ""));
    EXPECT_TRUE(matchesPattern("a.b.c", "*.*.*"));
}

}  // namespace
}  // namespace orvan::ui
