// The history file: its text, reading it back (interrupted appends, damage and the set-aside
// name), and the keeper's writes, on files held in memory.
#include "history/history_file.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/kit/memory_history_files.h"

namespace quarnic {
namespace {

constexpr char SUM[] = "12 (10) +\r\n3 (10) =\r\n15 (10)\r\n";
constexpr char ROOT[] = "16 (10)\r\n1 time(s) SQRT : 4 (10)\r\n";
constexpr char PRODUCT[] = "2 (10) *\r\n3 (10) =\r\n6 (10)\r\n";

std::string FileOf(std::initializer_list<const char*> entries) {
    std::deque<std::string> list;
    for (const char* entry : entries) {
        list.emplace_back(entry);
    }
    return HistoryFileText(list);
}

struct KeptHistory {
    MemoryHistoryFiles files;
    CalculationHistory history;
    HistoryFileKeeper keeper{history, files};
    int reports = 0;

    KeptHistory() {
        keeper.OnFirstFailure([this] { ++reports; });
    }
    void LoadFrom(const std::string& bytes) {
        files.exists = true;
        files.content = bytes;
        keeper.Load();
    }
};

TEST(HistoryFileText, HeaderThenEntriesOldestFirstEachClosedByAnEmptyLine) {
    EXPECT_EQ(FileOf({SUM, ROOT}),
              std::string("Quarnic Calculator history 1\r\n") + SUM + "\r\n" + ROOT + "\r\n");
    const HistoryReading reading = ReadHistoryFileText(FileOf({SUM, ROOT, PRODUCT}));
    EXPECT_FALSE(reading.damaged);
    ASSERT_EQ(reading.entries.size(), 3u);
    EXPECT_EQ(reading.entries[0], SUM);
    EXPECT_EQ(reading.entries[2], PRODUCT);
}

TEST(HistoryFileText, AnInterruptedAppendIsDroppedWithoutDamage) {
    const std::string whole = FileOf({SUM, ROOT});
    // Every cut inside the last entry, including one just before its closing empty line.
    for (std::size_t cut = FileOf({SUM}).size() + 1; cut < whole.size(); ++cut) {
        const HistoryReading reading = ReadHistoryFileText(whole.substr(0, cut));
        EXPECT_FALSE(reading.damaged) << cut;
        ASSERT_EQ(reading.entries.size(), 1u) << cut;
        EXPECT_EQ(reading.entriesEnd, FileOf({SUM}).size());
    }
    // The first write cut short: nothing to read, nothing damaged.
    EXPECT_FALSE(ReadHistoryFileText("Quarnic Calc").damaged);
    EXPECT_FALSE(ReadHistoryFileText("").damaged);
}

TEST(HistoryFileText, DamageKeepsEveryEntryThatReads) {
    const std::string body = std::string(SUM) + "\r\n" + "12 (10) x\r\n" + "\r\n" + ROOT + "\r\n";
    for (const std::string& file : {
             "Quarnic Calculator history 2\r\n" + std::string(SUM) + "\r\n" + ROOT + "\r\n",
             "Some other file\r\n" + std::string(SUM) + "\r\n" + ROOT + "\r\n",
             "Quarnic Calculator history 1\r\n" + body,
             FileOf({SUM}) + "\r\n" + ROOT + "\r\n",  // a stray empty line
         }) {
        const HistoryReading reading = ReadHistoryFileText(file);
        EXPECT_TRUE(reading.damaged) << file;
        ASSERT_EQ(reading.entries.size(), 2u) << file;
        EXPECT_EQ(reading.entries[0], SUM);
        EXPECT_EQ(reading.entries[1], ROOT);
    }
    const std::string longLine =
        "1." + std::string(1400, '1') + " (10) +\r\n3 (10) =\r\n1 (10)\r\n";
    EXPECT_TRUE(ReadHistoryFileText(FileOf({SUM}) + longLine + "\r\n").damaged);
}

TEST(HistoryFileKeeper, AppendsAndRewritesTheNewestEntryInPlace) {
    KeptHistory kept;
    kept.keeper.Load();
    kept.history.Add(SUM);
    kept.history.Add(ROOT);
    EXPECT_EQ(kept.files.content, FileOf({SUM, ROOT}));
    kept.history.ReplaceNewest(PRODUCT);
    EXPECT_EQ(kept.files.content, FileOf({SUM, PRODUCT}));
    EXPECT_EQ(kept.files.appends, 3);
    EXPECT_EQ(kept.files.replaces, 0);
    kept.history.Remove(1);
    EXPECT_EQ(kept.files.content, FileOf({PRODUCT}));
    kept.history.Clear();
    EXPECT_EQ(kept.files.content, FileOf({}));
}

TEST(HistoryFileKeeper, ReadsItsOwnFileBackAndCutsAnInterruptedAppend) {
    KeptHistory kept;
    const std::string file = FileOf({SUM, ROOT});
    kept.LoadFrom(file + "2 (10) *\r\n3 (1");
    ASSERT_EQ(kept.history.Count(), 2);
    EXPECT_EQ(kept.history.Text(0), ROOT);
    EXPECT_TRUE(kept.keeper.SetAsideFileName().empty());
    kept.history.Add(PRODUCT);
    EXPECT_EQ(kept.files.content, FileOf({SUM, ROOT, PRODUCT}));
    kept.history.ReplaceNewest(SUM);
    EXPECT_EQ(kept.files.content, FileOf({SUM, ROOT, SUM}));
}

TEST(HistoryFileKeeper, ADamagedFileIsSetAsideUnderTheLowestFreeNameAndWrittenAfresh) {
    KeptHistory kept;
    kept.files.others["KELVARIN-HISTORY-1.BAD"] = "older";
    const std::string damaged = "Quarnic Calculator history 7\r\n" + std::string(SUM) + "\r\n";
    kept.LoadFrom(damaged);
    EXPECT_EQ(kept.keeper.SetAsideFileName(), "KELVARIN-HISTORY-2.BAD");
    EXPECT_EQ(kept.files.others["KELVARIN-HISTORY-2.BAD"], damaged);
    EXPECT_EQ(kept.files.others["KELVARIN-HISTORY-1.BAD"], "older");
    EXPECT_EQ(kept.files.content, FileOf({SUM}));
    EXPECT_EQ(kept.history.Count(), 1);
    EXPECT_EQ(kept.reports, 0);
}

TEST(HistoryFileKeeper, ADamagedFileThatCannotBeSetAsideIsNeverWritten) {
    KeptHistory kept;
    kept.files.failRename = true;
    const std::string damaged = "garbage\r\n" + std::string(SUM) + "\r\n";
    kept.LoadFrom(damaged);
    kept.history.Add(ROOT);
    EXPECT_EQ(kept.files.content, damaged);
    EXPECT_EQ(kept.history.Count(), 2);
    EXPECT_EQ(kept.reports, 1);

    KeptHistory unreadable;
    unreadable.files.exists = true;
    unreadable.files.unreadable = true;
    unreadable.keeper.Load();
    unreadable.history.Add(SUM);
    EXPECT_EQ(unreadable.files.appends + unreadable.files.replaces, 0);
    EXPECT_EQ(unreadable.reports, 1);
}

TEST(HistoryFileKeeper, AFailedWriteIsReportedOnceAndTheNextChangeWritesEverything) {
    KeptHistory kept;
    kept.keeper.Load();
    kept.history.Add(SUM);
    kept.files.failWrites = true;
    kept.history.Add(ROOT);
    kept.history.ReplaceNewest(PRODUCT);
    EXPECT_EQ(kept.reports, 1);
    EXPECT_EQ(kept.history.Count(), 2);
    kept.files.failWrites = false;
    kept.history.Add(ROOT);
    EXPECT_EQ(kept.files.content, FileOf({SUM, PRODUCT, ROOT}));
    EXPECT_EQ(kept.reports, 1);
}

TEST(HistoryFileKeeper, MoreThanTheLimitOnFileIsTrimmedToTheNewest) {
    KeptHistory kept;
    kept.keeper.Load();
    for (int i = 0; i < HISTORY_LIMIT; ++i) {
        kept.history.Add(SUM);
    }
    EXPECT_EQ(kept.files.replaces, 0);
    kept.history.Add(ROOT);
    EXPECT_EQ(kept.files.replaces, 1);
    const HistoryReading reading = ReadHistoryFileText(kept.files.content);
    ASSERT_EQ(reading.entries.size(), static_cast<std::size_t>(HISTORY_LIMIT));
    EXPECT_EQ(reading.entries.back(), ROOT);

    // A file with more than the limit, written by hand, loads its newest entries and is trimmed.
    std::deque<std::string> many(HISTORY_LIMIT + 3, SUM);
    many.back() = PRODUCT;
    KeptHistory full;
    full.LoadFrom(HistoryFileText(many));
    EXPECT_EQ(full.history.Count(), HISTORY_LIMIT);
    EXPECT_EQ(full.history.Text(0), PRODUCT);
    EXPECT_EQ(ReadHistoryFileText(full.files.content).entries.size(),
              static_cast<std::size_t>(HISTORY_LIMIT));
}

}  // namespace
}  // namespace quarnic
