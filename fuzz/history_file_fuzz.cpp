// Any bytes as the history file at start: they either load as entries or the file is set
// aside, and nothing readable is lost. Every entry read must read again as an entry, the
// entries written afresh must read back unchanged and undamaged, an undamaged file must be
// exactly its entries up to where they end, and a damaged one must be kept whole under its
// set-aside name.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "history/history_entry.h"
#include "history/history_file.h"
#include "tests/kit/memory_history_files.h"

namespace quarnic {
namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "history file: %s\n", what);
    std::abort();
}

void CheckReading(std::string_view bytes) {
    const HistoryReading reading = ReadHistoryFileText(bytes);
    std::vector<EntryLine> lines;
    for (const std::string& entry : reading.entries) {
        if (!ParseEntryText(entry, lines) || bytes.find(entry) == std::string_view::npos) {
            Fail("an entry that is no entry of the file");
        }
    }
    const std::string afresh = HistoryFileText(reading.entries);
    const HistoryReading again = ReadHistoryFileText(afresh);
    if (again.damaged || again.entries != reading.entries || again.entriesEnd != afresh.size()) {
        Fail("the entries written afresh do not read back");
    }
    if (!reading.damaged && reading.entriesOnFile <= HISTORY_LIMIT && reading.entriesEnd > 0 &&
        bytes.substr(0, reading.entriesEnd) != afresh) {
        Fail("an undamaged file is more than its entries");
    }
}

void CheckKeeper(std::string_view bytes) {
    MemoryHistoryFiles files;
    files.exists = true;
    files.content = bytes;
    CalculationHistory history;
    HistoryFileKeeper keeper(history, files);
    keeper.Load();
    const HistoryReading reading = ReadHistoryFileText(bytes);
    if (history.Count() != static_cast<int>(reading.entries.size())) {
        Fail("the history lost entries that were read");
    }
    if (reading.damaged) {
        if (keeper.SetAsideFileName() != "KELVARIN-HISTORY-1.BAD" ||
            files.others["KELVARIN-HISTORY-1.BAD"] != bytes ||
            files.content != HistoryFileText(reading.entries)) {
            Fail("a damaged file was not set aside whole with its entries written afresh");
        }
    } else if (reading.entriesOnFile <= HISTORY_LIMIT && files.content != bytes) {
        Fail("an undamaged file was changed at start");
    }
}

}  // namespace
}  // namespace quarnic

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    quarnic::CheckReading(bytes);
    quarnic::CheckKeeper(bytes);
    return 0;
}
