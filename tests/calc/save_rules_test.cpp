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

}  // namespace
}  // namespace quarnic
