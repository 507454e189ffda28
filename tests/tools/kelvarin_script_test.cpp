// The kelvarin-script runner as a program: its arguments, standard input, output line and exit
// status.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "calc/calc_ids.h"

namespace {

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the built runner with the arguments (already shell-quoted) and, when given, the text on
// its standard input.
RunResult RunKelvarinScript(const std::string& arguments, const std::string& input = "") {
    // ctest runs tests as parallel processes: every run gets files of its own.
    static int runs = 0;
    const std::string prefix = ::testing::TempDir() + "kelvarin_" + std::to_string(getpid()) + "_" +
                               std::to_string(++runs);
    const std::string in = prefix + "_in.txt";
    const std::string out = prefix + "_out.txt";
    const std::string err = prefix + "_err.txt";
    std::ofstream(in, std::ios::binary) << input;
    const std::string command = std::string(QUARNIC_TOOLS_DIR) + "/kelvarin-script " + arguments +
                                " <" + in + " >" + out + " 2>" + err;
    const int raw = std::system(command.c_str());
    RunResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = ReadWholeFile(out);
    result.err = ReadWholeFile(err);
    for (const std::string& path : {in, out, err}) {
        std::remove(path.c_str());
    }
    return result;
}

nlohmann::json StateOf(const RunResult& run) {
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find('\n'), run.out.size() - 1) << "exactly one line: " << run.out;
    return nlohmann::json::parse(run.out);
}

TEST(KelvarinScript, ConvertsAnAnswerWhenTheNotationChanges) {
    const nlohmann::json state = StateOf(RunKelvarinScript("2 5 5 = N16"));
    EXPECT_EQ(state["console"], "FF");
    EXPECT_EQ(state["first"], "FF");
    EXPECT_EQ(state["checked"], IDC_NOTATION_16);
    EXPECT_EQ(state["notation"], 16);
    EXPECT_EQ(state["answer_notation"], 16);
    EXPECT_EQ(state["answer_shown"], true);
    EXPECT_EQ(state["save_enabled"], true);
}

TEST(KelvarinScript, ReportsEveryStateField) {
    const nlohmann::json state = StateOf(RunKelvarinScript(""));
    for (const char* field :
         {"console", "first", "second", "operator", "first_notation", "second_notation",
          "answer_notation", "other_notation", "notation", "memory", "memory_notation",
          "error_shown", "answer_shown", "sqrt_count", "sqrt_truncation", "enabled", "checked",
          "save_enabled", "saved"}) {
        EXPECT_TRUE(state.contains(field)) << field;
    }
    EXPECT_TRUE(state["saved"].is_null()) << "nothing to save before the first =";
    EXPECT_EQ(state["sqrt_truncation"], 100);
    EXPECT_EQ(state["checked"], IDC_NOTATION_10);
    EXPECT_EQ(state["enabled"].size(), 27u);
}

TEST(KelvarinScript, ReadsKeysFromStandardInputWhenNoneAreGiven) {
    const nlohmann::json fromArguments = StateOf(RunKelvarinScript("7 - 9 = Min"));
    const nlohmann::json fromInput = StateOf(RunKelvarinScript("", "7\n-\t9  =\nMin\n"));
    EXPECT_EQ(fromInput, fromArguments);
    EXPECT_EQ(fromInput["console"], "-2");
    EXPECT_EQ(fromInput["memory"], "-2");
    EXPECT_EQ(fromInput["memory_notation"], 10);
    const nlohmann::json japanese = StateOf(RunKelvarinScript("--ja", "7 - 9 = Min"));
    EXPECT_EQ(japanese["console"], "-2");
}

TEST(KelvarinScript, SavedTextUsesCarriageReturnLineFeed) {
    const nlohmann::json state = StateOf(RunKelvarinScript("1 2 + 3 ="));
    EXPECT_EQ(state["saved"], "12 (10) +\r\n3 (10) =\r\n15 (10)\r\n");
    EXPECT_NE(RunKelvarinScript("1 2 + 3 =").out.find(R"("saved":"12 (10) +\r\n3 (10))"),
              std::string::npos)
        << "CR LF written as the JSON escapes \\r\\n";
}

TEST(KelvarinScript, SquareRootKeysAndTruncationChoice) {
    const nlohmann::json state = StateOf(RunKelvarinScript("SQRT300 2 SQRT"));
    EXPECT_EQ(state["sqrt_truncation"], 300);
    EXPECT_EQ(state["sqrt_count"], 1);
    const std::string first = state["first"];
    EXPECT_EQ(first.size(), 302u) << "1. and 300 fraction digits";
    EXPECT_EQ(first.substr(0, 12), "1.4142135623");
}

TEST(KelvarinScript, PressesOnDisabledKeysAreIgnored) {
    const nlohmann::json state = StateOf(RunKelvarinScript("N2 5 1 MR X+"));
    EXPECT_EQ(state["console"], "1");
    EXPECT_EQ(state["other_notation"], 32);
}

TEST(KelvarinScript, BackspaceCopyAndPaste) {
    const nlohmann::json typed = StateOf(RunKelvarinScript("1 2 3 BACK COPY"));
    EXPECT_EQ(typed["console"], "12");
    EXPECT_EQ(typed["clipboard"], "12");
    EXPECT_EQ(typed["copy_enabled"], true);
    EXPECT_EQ(typed["message"], nullptr);
    const nlohmann::json pasted = StateOf(RunKelvarinScript("'PASTE=FF%20(16)' + 1 = COPY"));
    EXPECT_EQ(pasted["console"], "100");
    EXPECT_EQ(pasted["notation"], 16);
    EXPECT_EQ(pasted["clipboard"], "100");
    const nlohmann::json lines = StateOf(RunKelvarinScript("PASTE=\u22120.5%20%0D%0A5 COPY"));
    EXPECT_EQ(lines["clipboard"], "-0.55");
    const nlohmann::json percent = StateOf(RunKelvarinScript("PASTE=5%25"));
    EXPECT_EQ(percent["message"], "\"%\" is not a digit of notation 10.\nNothing was pasted.");
    const nlohmann::json fresh = StateOf(RunKelvarinScript(""));
    EXPECT_EQ(fresh["clipboard"], nullptr);
    EXPECT_EQ(fresh["copy_enabled"], false);
}

TEST(KelvarinScript, MessageIsOnlyThatOfTheLastKey) {
    EXPECT_EQ(StateOf(RunKelvarinScript("PASTE=x 5"))["message"], nullptr);
    const nlohmann::json japanese = StateOf(RunKelvarinScript("--ja 1 PASTE=1.2.3"));
    EXPECT_EQ(japanese["message"], "小数点が2つあります.\n貼り付けませんでした.");
    EXPECT_EQ(japanese["console"], "1");
}

TEST(KelvarinScript, UnknownKeyIsNamedOnStandardErrorWithStatusTwo) {
    for (const std::string& arguments : {std::string("1 + FOO ="), std::string("sqrt")}) {
        const RunResult run = RunKelvarinScript(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        const std::string token = arguments == "sqrt" ? "sqrt" : "FOO";
        EXPECT_NE(run.err.find(token), std::string::npos) << run.err;
    }
    const RunResult fromInput = RunKelvarinScript("", "1 2 N3");
    EXPECT_EQ(fromInput.status, 2);
    EXPECT_EQ(fromInput.out, "");
    EXPECT_NE(fromInput.err.find("N3"), std::string::npos);
}

}  // namespace
