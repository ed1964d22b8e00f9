#include "shell/profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "scratch_dir.h"

namespace orvan::shell {
namespace {

using orvan::testing::ScratchDir;

class ProfileTest : public ::testing::Test {
  protected:
    ScratchDir dir;
    std::string file = dir.file("monitor.ini");
    Profile profile{file};

    std::string get(const char* section, const char* key, std::size_t max = 255) {
        return profile.readString(section, key, "<none>", max);
    }
};

TEST_F(ProfileTest, MissingFileOrKeyReadsAsTheDefault) {
    EXPECT_EQ(get("A", "K"), "<none>");
    EXPECT_EQ(profile.readString("A", "K", "default", 3), "def");
    ScratchDir::write(file, "[A]\nK=1\n");
    EXPECT_EQ(get("A", "OTHER"), "<none>");
    EXPECT_EQ(get("B", "K"), "<none>");
    // A key of the same name in another section is not this one.
    ScratchDir::write(file, "[B]\nK=1\n[A]\n");
    EXPECT_EQ(get("A", "K"), "<none>");
    // An empty value is a value, not a missing key.
    ScratchDir::write(file, "[A]\nK=\n");
    EXPECT_EQ(get("A", "K"), "");
}

TEST_F(ProfileTest, SectionAndKeyNamesMatchWithoutRegardToCase) {
    ScratchDir::write(file, "[PrinterSetting]\r\n  printer = Card Printer 1  \r\n");
    EXPECT_EQ(get("PRINTERSETTING", "PRINTER"), "Card Printer 1");
    ASSERT_TRUE(profile.writeString("printersetting", "Printer", "Two"));
    EXPECT_EQ(ScratchDir::read(file), "[PrinterSetting]\r\nPrinter=Two\r\n");
}

TEST_F(ProfileTest, ReadsAreCutToTheMaximumLengthAndAtTheFirstNul) {
    ScratchDir::write(file, std::string("[A]\nK=abcdef\nN=ab\0cd\n", 22));
    EXPECT_EQ(get("A", "K", 4), "abcd");
    EXPECT_EQ(get("A", "K", 0), "");
    EXPECT_EQ(get("A", "N"), "ab");
}

TEST_F(ProfileTest, FirstWriteCreatesTheFile) {
    ASSERT_TRUE(profile.writeString("ADMIN", "USERTAB", "02B"));
    EXPECT_EQ(ScratchDir::read(file), "[ADMIN]\nUSERTAB=02B\n");
    EXPECT_EQ(get("admin", "usertab"), "02B");
}

TEST_F(ProfileTest, WritesKeepEveryOtherLineAsItWas) {
    const std::string before =
        "; kept comment\r\n[A]\r\nX=1\r\n  odd line without equals\r\nY = 2\r\n\r\n"
        "[B]\r\nZ=3\r\n[A]\r\nX=second section of that name\r\n";
    ScratchDir::write(file, before);

    ASSERT_TRUE(profile.writeString("A", "Y", "changed"));
    std::string expected = before;
    expected.replace(expected.find("Y = 2"), 5, "Y=changed");
    EXPECT_EQ(ScratchDir::read(file), expected);

    // A new key goes at the end of its section, before the blank line.
    ASSERT_TRUE(profile.writeString("a", "NEW", "n"));
    expected.insert(expected.find("Y=changed\r\n") + 11, "NEW=n\r\n");
    EXPECT_EQ(ScratchDir::read(file), expected);

    // A new section goes at the end, in the file's own line ending.
    ASSERT_TRUE(profile.writeString("C", "K", "v"));
    expected += "[C]\r\nK=v\r\n";
    EXPECT_EQ(ScratchDir::read(file), expected);
    EXPECT_EQ(get("B", "Z"), "3");
}

TEST_F(ProfileTest, WriteAfterALastLineWithoutTerminatorStartsANewLine) {
    ScratchDir::write(file, "[A]\nX=1");
    ASSERT_TRUE(profile.writeString("A", "Y", "2"));
    ASSERT_TRUE(profile.writeString("B", "Z", "3"));
    EXPECT_EQ(ScratchDir::read(file), "[A]\nX=1\nY=2\n[B]\nZ=3\n");
}

TEST_F(ProfileTest, DeletingAKeyRemovesOnlyItsLineAndCreatesNothing) {
    EXPECT_TRUE(profile.deleteKey("ADMIN", "USERTAB"));
    EXPECT_FALSE(std::filesystem::exists(file));

    ScratchDir::write(file, "[ADMIN]\nusertab=14\nOTHER=1\n[X]\nUSERTAB=keep\n");
    ASSERT_TRUE(profile.deleteKey("admin", "USERTAB"));
    EXPECT_EQ(ScratchDir::read(file), "[ADMIN]\nOTHER=1\n[X]\nUSERTAB=keep\n");
    EXPECT_TRUE(profile.deleteKey("ADMIN", "USERTAB"));
    EXPECT_EQ(ScratchDir::read(file), "[ADMIN]\nOTHER=1\n[X]\nUSERTAB=keep\n");
}

TEST_F(ProfileTest, ValuesCannotAddLinesOrSections) {
    ASSERT_TRUE(
        profile.writeString("PRINTERSETTING", "PRINTER", "Evil\r\n[ADMIN]\nUSERTAB=0123456789AB"));
    EXPECT_EQ(get("ADMIN", "USERTAB"), "<none>");
    EXPECT_EQ(get("PRINTERSETTING", "PRINTER"), "Evil  [ADMIN] USERTAB=0123456789AB");
    ASSERT_TRUE(profile.writeString("A", "N", std::string("cut\0here", 8)));
    EXPECT_EQ(get("A", "N"), "cut");
}

TEST_F(ProfileTest, NamesThatWouldBreakTheLineAreRefused) {
    EXPECT_FALSE(profile.writeString("A]", "K", "v"));
    EXPECT_FALSE(profile.writeString("A", "K=1", "v"));
    EXPECT_FALSE(profile.writeString("A", "K\nX", "v"));
    EXPECT_FALSE(profile.writeString("", "K", "v"));
    EXPECT_FALSE(profile.writeString("A", "  ", "v"));
    // One bad name refuses the whole batch.
    const std::vector<Profile::Edit> batch{{"A", "GOOD", "1"}, {"A", "B\nAD", "2"}};
    EXPECT_FALSE(profile.apply(batch));
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(ProfileTest, FailedWriteLeavesTheOldFileIntact) {
    const std::string before = "[A]\nX=old\n[B]\nY=2\n";
    ScratchDir::write(file, before);
    // A disk that fills up half-way through the new contents.
    Profile failing(file, [](int fd, std::string_view data) {
        const ssize_t written = ::write(fd, data.data(), data.size() / 2);
        static_cast<void>(written);
        return false;
    });
    EXPECT_FALSE(failing.writeString("A", "X", "new"));
    EXPECT_FALSE(failing.deleteKey("B", "Y"));
    EXPECT_EQ(ScratchDir::read(file), before);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"monitor.ini"});
}

TEST_F(ProfileTest, UnwritablePlaceFailsQuietlyAndChangesNothing) {
    // Under a regular file nothing can be created, whoever runs the test.
    const std::string blocker = dir.file("not-a-directory");
    ScratchDir::write(blocker, "x");
    Profile nowhere(blocker + "/monitor.ini");
    EXPECT_FALSE(nowhere.writeString("A", "K", "v"));
    EXPECT_TRUE(nowhere.deleteKey("A", "K"));
    EXPECT_EQ(nowhere.readString("A", "K", "d", 9), "d");
    EXPECT_EQ(ScratchDir::read(blocker), "x");

    // A directory in the file's place cannot be read or replaced.
    std::filesystem::create_directory(file);
    EXPECT_EQ(get("A", "K"), "<none>");
    EXPECT_FALSE(profile.writeString("A", "K", "v"));
    EXPECT_FALSE(profile.deleteKey("A", "K"));
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

TEST_F(ProfileTest, GarbageFilesGiveTheDefaultsWithoutCrashing) {
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 37) & 0xFF);
    ScratchDir::write(file, binary + "\n[A]\nK=after garbage\n");
    EXPECT_EQ(get("A", "K"), "after garbage");

    // An overlong line is never matched, even when it looks like a section.
    const std::string longLine = "[A]" + std::string(Profile::kMaxLineLength, ' ');
    ScratchDir::write(file, longLine + "\nK=1\n[B]\n" + "K=" + std::string(70000, 'v') + "\n");
    EXPECT_EQ(get("A", "K"), "<none>");
    EXPECT_EQ(get("B", "K"), "<none>");
    // Writing keeps the overlong lines as they were.
    ASSERT_TRUE(profile.writeString("C", "K", "1"));
    EXPECT_EQ(ScratchDir::read(file).substr(0, longLine.size()), longLine);

    // Something that is not a regular file is never waited on.
    std::filesystem::remove(file);
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    EXPECT_EQ(get("A", "K"), "<none>");
    EXPECT_FALSE(profile.writeString("A", "K", "2"));
    std::filesystem::remove(file);

    // An absurdly large file is neither read nor replaced.
    const std::string huge = "[A]\nK=1\n" + std::string(Profile::kMaxFileSize, 'x');
    ScratchDir::write(file, huge);
    EXPECT_EQ(get("A", "K"), "<none>");
    EXPECT_FALSE(profile.writeString("A", "K", "2"));
    EXPECT_FALSE(profile.deleteKey("A", "K"));
    EXPECT_EQ(ScratchDir::read(file).size(), huge.size());
}

TEST_F(ProfileTest, RewriteKeepsPermissionsAndWritesThroughALink) {
    ScratchDir::write(file, "[A]\nK=1\n");
    ::chmod(file.c_str(), 0640);
    ASSERT_TRUE(profile.writeString("A", "K", "2"));
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    const std::string link = dir.file("link.ini");
    std::filesystem::create_symlink(file, link);
    ASSERT_TRUE(Profile(link).writeString("A", "K", "3"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ScratchDir::read(file), "[A]\nK=3\n");
}

}  // namespace
}  // namespace orvan::shell
