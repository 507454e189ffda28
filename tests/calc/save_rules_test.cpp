#include "calc/save_rules.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace quarnic
