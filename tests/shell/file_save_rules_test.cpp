#include "shell/file_save_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace quarnic {
namespace {

TEST(SaveName, OnlyATxtExtensionInAnyCaseIsAccepted) {
    EXPECT_TRUE(HasTxtExtension(L"C:\\answers\\sum.txt"));
    EXPECT_TRUE(HasTxtExtension(L"C:\\answers\\SUM.TXT"));
    EXPECT_TRUE(HasTxtExtension(L"C:\\a.TxT"));
    EXPECT_TRUE(HasTxtExtension(L".txt"));
    EXPECT_FALSE(HasTxtExtension(L"C:\\answers\\sum.dat"));
    EXPECT_FALSE(HasTxtExtension(L"C:\\answers\\sum.txt.dat"));
    EXPECT_FALSE(HasTxtExtension(L"C:\\answers\\sumtxt"));
    EXPECT_FALSE(HasTxtExtension(L"C:\\answers\\sum.text"));
    EXPECT_FALSE(HasTxtExtension(L"txt"));
    EXPECT_FALSE(HasTxtExtension(L""));
}

TEST(SaveTarget, OnlyLocalDrivesTakeTheAnswer) {
    EXPECT_FALSE(DriveTakesAnswer(DRIVE_TYPE_UNKNOWN));
    EXPECT_FALSE(DriveTakesAnswer(DRIVE_TYPE_NO_ROOT_DIR));
    EXPECT_FALSE(DriveTakesAnswer(DRIVE_TYPE_REMOTE));
    EXPECT_FALSE(DriveTakesAnswer(DRIVE_TYPE_CDROM));
    EXPECT_TRUE(DriveTakesAnswer(DRIVE_TYPE_REMOVABLE));
    EXPECT_TRUE(DriveTakesAnswer(DRIVE_TYPE_FIXED));
    EXPECT_TRUE(DriveTakesAnswer(DRIVE_TYPE_RAMDISK));
    EXPECT_TRUE(DriveTakesAnswer(17));  // a type unknown today passes, as the others do
}

TEST(FreeSpace, TheExtendedQueryNeedsAKnownPlatformOrALateWindows95) {
    for (int code = 1; code <= 5; ++code) {
        EXPECT_TRUE(UsesExtendedFreeSpaceQuery(code, 0, 0)) << code;
    }
    EXPECT_TRUE(UsesExtendedFreeSpaceQuery(0, PLATFORM_ID_9X, 1111));
    EXPECT_FALSE(UsesExtendedFreeSpaceQuery(0, PLATFORM_ID_9X, 950));
    EXPECT_FALSE(UsesExtendedFreeSpaceQuery(0, PLATFORM_ID_9X, 1000));
    // Only the build number's low word counts: 9x puts the version in the high word.
    EXPECT_FALSE(UsesExtendedFreeSpaceQuery(0, PLATFORM_ID_9X, 0x04000000u + 950));
    EXPECT_TRUE(UsesExtendedFreeSpaceQuery(0, PLATFORM_ID_9X, 0x04000000u + 1111));
    EXPECT_FALSE(UsesExtendedFreeSpaceQuery(0, 2, 1111));  // NT without a readable registry
}

TEST(FreeSpace, ClusterProductIsComparedWithoutOverflow) {
    EXPECT_TRUE(ClustersHoldBytes(8, 512, 1, 3700));   // one 4 KiB cluster holds 3700 bytes
    EXPECT_FALSE(ClustersHoldBytes(1, 512, 7, 3700));  // 3584 bytes
    EXPECT_TRUE(ClustersHoldBytes(1, 512, 8, 3700));
    EXPECT_FALSE(ClustersHoldBytes(8, 512, 0, 3700));
    EXPECT_FALSE(ClustersHoldBytes(0, 512, 100, 3700));
    // 2^32 - 1 cubed overflows 64 bits; a naive product would wrap to a small number.
    EXPECT_TRUE(ClustersHoldBytes(0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 3700));
    EXPECT_TRUE(ClustersHoldBytes(0xFFFFFFFFu, 0xFFFFFFFFu, 2, 0xFFFFFFFFFFFFFFFFull));
    EXPECT_FALSE(ClustersHoldBytes(0x10000u, 0x10000u, 0xFFFFu, 0xFFFFFFFFFFFFFFFFull));
}

// A file system in memory: the target's bytes, a temporary file, and a switch per step that
// makes that step fail.
class FakeFile final : public ReplacingFile {
  public:
    std::string target = "old answer\r\n";
    std::string temporary;
    bool temporaryExists = false;
    bool failCreate = false, failWrite = false, failClose = false, failReplace = false;
    int removals = 0;

    bool CreateTemporary() override {
        if (failCreate) {
            return false;
        }
        temporaryExists = true;
        temporary.clear();
        return true;
    }
    bool WriteAll(const char* data, std::size_t size) override {
        // A full disk takes part of the text before it fails.
        temporary.assign(data, failWrite ? size / 2 : size);
        return !failWrite;
    }
    bool CloseTemporary() override { return !failClose; }
    bool ReplaceTarget() override {
        if (failReplace) {
            return false;
        }
        target = temporary;
        temporaryExists = false;
        return true;
    }
    void RemoveTemporary() override {
        ++removals;
        temporaryExists = false;
    }
};

constexpr char TEXT[] = "12 (10) +\r\n3 (10) =\r\n15 (10)\r\n";

TEST(SafeWrite, ACompleteWriteReplacesTheTarget) {
    FakeFile file;
    EXPECT_EQ(WriteReplacing(file, TEXT, sizeof(TEXT) - 1), SaveResult::Saved);
    EXPECT_EQ(file.target, TEXT);
    EXPECT_FALSE(file.temporaryExists);
    EXPECT_EQ(file.removals, 0);
}

TEST(SafeWrite, EveryFailureLeavesTheOldFileAndNoTemporary) {
    struct Case {
        const char* name;
        bool FakeFile::*step;
        SaveResult expected;
    };
    const Case cases[] = {
        {"create", &FakeFile::failCreate, SaveResult::NotCreated},
        {"write", &FakeFile::failWrite, SaveResult::NotWritten},
        {"close", &FakeFile::failClose, SaveResult::NotWritten},
        {"replace", &FakeFile::failReplace, SaveResult::NotWritten},
    };
    for (const Case& c : cases) {
        FakeFile file;
        file.*c.step = true;
        EXPECT_EQ(WriteReplacing(file, TEXT, sizeof(TEXT) - 1), c.expected) << c.name;
        EXPECT_EQ(file.target, "old answer\r\n") << c.name;
        EXPECT_FALSE(file.temporaryExists) << c.name;
    }
}

}  // namespace
}  // namespace quarnic
