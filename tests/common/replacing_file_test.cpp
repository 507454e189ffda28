#include "common/replacing_file.h"

#include <gtest/gtest.h>

#include <string>

namespace quarnic {
namespace {

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
