// A program killed at any moment of a save: every day whose save had returned
// before the kill reads back whole afterwards.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <set>
#include <random>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

#include "JournalTestSchool.h"

namespace lovaris {
namespace {

constexpr int kDays = 12;

// The day's rows for the n-th save of that day: their number and texts change with n.
TZamDataStrings generation(SerialDate date, int n) {
    TZamDataStrings day;
    for (int r = 0; r <= (date + n) % 7; ++r) {
        JournalRow row;
        row.texts[kColLesson] = std::to_string(r + 1);
        row.texts[kColAbsent] = "Учитель " + std::to_string(date);
        row.texts[kColNote] = std::string(static_cast<std::size_t>(n % 50) * 40, 'z') + std::to_string(n);
        row.tags[kColAbsent] = n;
        day.rows.push_back(row);
    }
    return day;
}

struct Saved {
    std::int32_t date;
    std::int32_t n;
};

// Saves the days in turn for ever, telling the parent of each save that returned.
[[noreturn]] void writer(const std::string& path, int pipeOut, int startGeneration) {
    auto archive = SubstitutionArchive::Open(path);
    if (!archive) ::_exit(3);
    for (int n = startGeneration;; ++n)
        for (int d = 0; d < kDays; ++d) {
            const SerialDate date = test::kMonday + d;
            if (archive->SaveDay(date, generation(date, n)) != ArchiveSave::Saved) ::_exit(4);
            const Saved s{date, n};
            if (::write(pipeOut, &s, sizeof s) != sizeof s) ::_exit(5);
        }
}

TEST(ArchiveKill, EverySavedDayReadsBackWhole) {
    const auto path = (std::filesystem::temp_directory_path() / ("lovaris-kill-" + std::to_string(::getpid()) + ".sys")).string();
    std::filesystem::remove(path);
    std::mt19937 random(20261210);
    // What each day may hold: its last confirmed save, and a save under way at a kill
    // that may have landed without being told.
    std::map<SerialDate, std::set<int>> possible;
    int nextGeneration = 0;
    std::size_t confirmed = 0;
    for (int round = 0; round < 25; ++round) {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(fds[0]);
            writer(path, fds[1], nextGeneration);
        }
        ::close(fds[1]);
        std::this_thread::sleep_for(std::chrono::microseconds(2000 + random() % 40000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << WEXITSTATUS(status);
        Saved last{test::kMonday - 1, nextGeneration};
        Saved s{};
        while (::read(fds[0], &s, sizeof s) == sizeof s) {
            possible[s.date] = {s.n};
            last = s;
            ++confirmed;
        }
        ::close(fds[0]);
        // The save after the last one told.
        Saved inFlight{last.date + 1, last.n};
        if (inFlight.date == test::kMonday + kDays) inFlight = {test::kMonday, last.n + 1};
        // A day never saved may still have no record: save -1 stands for that.
        if (!possible.contains(inFlight.date)) possible[inFlight.date] = {-1};
        possible[inFlight.date].insert(inFlight.n);
        nextGeneration = inFlight.n + 1;

        auto archive = SubstitutionArchive::Open(path);
        ASSERT_TRUE(archive) << "round " << round;
        for (const auto& [date, generations] : possible) {
            const auto read = archive->ReadDay(date);
            // Each day reads as one of its saves, whole, or has no record when it may have none.
            const bool whole = std::any_of(generations.begin(), generations.end(),
                                           [&](int n) { return n >= 0 && read == generation(date, n); });
            const bool none = generations.contains(-1) && archive->FindEntry(date) < 0;
            EXPECT_TRUE(whole || none)
                << "round " << round << ", day " << date << ": read " << read.rowCount() << " rows, save "
                << (read.rowCount() ? read.rows[0].tags[kColAbsent] : -1) << ", expected one of " << generations.size()
                << " from " << *generations.begin() << " to " << *generations.rbegin();
        }
    }
    EXPECT_GT(confirmed, 0u);
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace lovaris
