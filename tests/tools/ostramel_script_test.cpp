// Runs the built ostramel-script as a user of it would and reads its JSON line.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "conv/conv_ids.h"

namespace quarnic {
namespace {

struct ScriptRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// keys go on the command line; with stdinKeys set they are piped in instead.
ScriptRun RunScript(const std::string& keys, const std::string& stdinKeys = "") {
    // ctest runs tests in parallel: every test and process writes files of its own.
    const std::string stem = ::testing::TempDir() + "ostramel_" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
                             std::to_string(getpid());
    const std::string out = stem + ".out";
    const std::string err = stem + ".err";
    std::string command = "'" OSTRAMEL_SCRIPT_PATH "' " + keys + " >'" + out + "' 2>'" + err + "'";
    // Without keys of its own the runner reads standard input: never the test's terminal.
    command = stdinKeys.empty() ? command + " </dev/null" : "echo '" + stdinKeys + "' | " + command;
    const int raw = std::system(command.c_str());
    ScriptRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    std::remove(out.c_str());
    std::remove(err.c_str());
    return run;
}

nlohmann::json StateAfter(const std::string& keys) {
    const ScriptRun run = RunScript(keys);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find('\n'), run.out.size() - 1) << "exactly one line";
    return nlohmann::json::parse(run.out);
}

TEST(OstramelScript, ConvertsAndCopiesAsTheWindowWould) {
    const nlohmann::json state = StateAfter("2 5 5 T16 COPY");
    EXPECT_EQ(state["input"], "255");
    EXPECT_EQ(state["answer"], "FF");
    EXPECT_EQ(state["clipboard"], "255 (10) = FF (16)");
    EXPECT_EQ(state["from_notation"], 10);
    EXPECT_EQ(state["to_notation"], 16);
    EXPECT_EQ(state["to_checked"], IDC_CONV_TO_16);
    EXPECT_EQ(state["from_checked"], IDC_CONV_FROM_10);
    EXPECT_EQ(state["entry_started"], 1);
    EXPECT_EQ(state["max_digits"], 19);
    EXPECT_EQ(state["copy_enabled"], true);
    EXPECT_EQ(state["warning"], nullptr);
    EXPECT_EQ(state["warnings"], 0);
    for (const auto& id : state["enabled"]) {
        EXPECT_FALSE(id >= IDC_CONV_FROM_2 && id <= IDC_CONV_FROM_STEP_UP)
            << "the From pane is locked while a number is typed";
    }
}

TEST(OstramelScript, PastesIntoFromAndReportsTheMessage) {
    const nlohmann::json pasted = StateAfter("'PASTE=ff%20(16)' T10");
    EXPECT_EQ(pasted["input"], "FF");
    EXPECT_EQ(pasted["answer"], "255");
    EXPECT_EQ(pasted["from_notation"], 16);
    EXPECT_EQ(pasted["from_checked"], IDC_CONV_FROM_16);
    EXPECT_EQ(pasted["message"], nullptr);
    const nlohmann::json refused = StateAfter("--ja 7 PASTE=1.5");
    EXPECT_EQ(refused["input"], "7");
    EXPECT_EQ(refused["message"],
              "「.」は10進法で使える数字ではありません.\n貼り付けませんでした.");
    const nlohmann::json wide = StateAfter("PASTE=\uFF10\uFF58\uFF26%0AF T10");
    EXPECT_EQ(wide["input"], "FF");
    EXPECT_EQ(wide["answer"], "255");
    // Typing stops at 19 digits in notation 10; a paste takes every number below 2^64.
    const nlohmann::json largest = StateAfter("PASTE=18446744073709551615 T16");
    EXPECT_EQ(largest["warnings"], 0);
    EXPECT_EQ(largest["input"], "18446744073709551615");
    EXPECT_EQ(largest["answer"], "FFFFFFFFFFFFFFFF");
    const nlohmann::json tooLarge = StateAfter("PASTE=18446744073709551616");
    EXPECT_EQ(tooLarge["warnings"], 1);
    EXPECT_EQ(tooLarge["input"], "");
}

TEST(OstramelScript, FreshStateHasNullsWhereNothingHappened) {
    const nlohmann::json state = StateAfter("");
    EXPECT_EQ(state["clipboard"], nullptr);
    EXPECT_EQ(state["warning"], nullptr);
    EXPECT_EQ(state["message"], nullptr);
    EXPECT_EQ(state["copy_enabled"], false);
    EXPECT_EQ(state["from_other"], 32);
    EXPECT_EQ(state["to_other"], 32);
    EXPECT_EQ(state["error_shown"], 0);
    EXPECT_EQ(state["enabled"].size(), 24u);
}

TEST(OstramelScript, PressesOnDisabledKeysAndAGreyedCopyAreIgnored) {
    const nlohmann::json state = StateAfter("COPY F2 2 1 F16 T+ 0");
    EXPECT_EQ(state["input"], "10") << "2 is disabled in notation 2; F16 and T+ are locked";
    EXPECT_EQ(state["from_notation"], 2);
    EXPECT_EQ(state["to_other"], 32);
    EXPECT_EQ(state["answer"], "2");
    EXPECT_EQ(state["clipboard"], nullptr) << "COPY came before any answer";
}

TEST(OstramelScript, ReportsTheLastWarningInTheChosenLanguage) {
    const std::string thirteenVs = "FX V V V V V V V V V V V V V";
    nlohmann::json state = StateAfter(thirteenVs);
    EXPECT_EQ(state["warning"], "Maximum number of digits is 12 for 32 notation number.");
    EXPECT_EQ(state["warnings"], 1);
    EXPECT_EQ(state["answer"], "1152921504606846975");
    state = StateAfter("--ja " + thirteenVs + " V");
    EXPECT_EQ(state["warning"], "32進数の最大入力桁数は12です.");
    EXPECT_EQ(state["warnings"], 2);
}

TEST(OstramelScript, ReadsKeysFromStandardInputWhenNoneAreGiven) {
    const ScriptRun run = RunScript("", "FX F- F- 1 D T2\nCOPY");
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json state = nlohmann::json::parse(run.out);
    EXPECT_EQ(state["clipboard"], "1D (30) = 101011 (2)");
}

TEST(OstramelScript, ListsTheNumberInEveryNotationAndChoosesALineOfTheWindow) {
    const nlohmann::json empty = StateAfter("ALL");
    ASSERT_EQ(empty["all_notations"].size(), 31u);
    EXPECT_EQ(empty["all_notations"][0], "") << "nothing typed, no digits";
    EXPECT_EQ(empty["all_notations_open"], true);
    EXPECT_EQ(empty["to_checked"], IDC_CONV_TO_10) << "opening the window changes nothing";

    const nlohmann::json chosen = StateAfter("2 5 5 ALL ALLTO=16");
    EXPECT_EQ(chosen["all_notations"][0], "11111111");
    EXPECT_EQ(chosen["all_notations"][14], "FF");
    EXPECT_EQ(chosen["all_notations"][30], "7V");
    EXPECT_EQ(chosen["to_notation"], 16);
    EXPECT_EQ(chosen["to_checked"], IDC_CONV_TO_16);
    EXPECT_EQ(chosen["answer"], "FF");

    const nlohmann::json other = StateAfter("2 5 5 ALL ALLTO=7");
    EXPECT_EQ(other["to_checked"], IDC_CONV_TO_X);
    EXPECT_EQ(other["to_other"], 7);
    EXPECT_EQ(other["answer"], "513");

    const nlohmann::json closed = StateAfter("2 5 5 ALLTO=16");
    EXPECT_EQ(closed["to_notation"], 10) << "no line can be chosen while the window is closed";
    EXPECT_EQ(closed["all_notations"][14], "FF") << "the numbers are listed all the same";
}

TEST(OstramelScript, AnUnknownKeyFailsWithNothingOnStdout) {
    for (const char* keys :
         {"1 Z", "1 f2", "W", "10", "ALLTO=1", "ALLTO=33", "ALLTO=", "ALLTO=x"}) {
        const ScriptRun run = RunScript(keys);
        EXPECT_EQ(run.status, 2) << keys;
        EXPECT_EQ(run.out, "") << keys;
        EXPECT_NE(run.err.find("unknown key"), std::string::npos) << keys;
    }
}

}  // namespace
}  // namespace quarnic
