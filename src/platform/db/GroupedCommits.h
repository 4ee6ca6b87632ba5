#pragma once

#include "platform/Clock.h"
#include "platform/db/Transaction.h"

#include <functional>
#include <optional>

namespace db {

class Connection;

// The writes of a long run, committed in short stretches instead of one by
// one: a transaction is opened before the first write of a stretch and
// committed once it holds kRowsPerCommit rows or has been open
// kTimePerCommit by the program's clock, whichever comes first, and whenever
// the caller commits. The caller commits before it tells the operator
// anything and when the run ends, so a stretch still open when the object
// goes (an exception left the run) was never reported and is rolled back.
// `beforeCommit`, when given, runs before each commit; it must not raise.
class GroupedCommits {
public:
    static constexpr int kRowsPerCommit = 1000;
    static constexpr Clock::Duration kTimePerCommit{100};

    // The rule itself, for writers that keep their own transactions: a
    // stretch of `rows` writes, opened at `openedAt`, is to be committed now.
    static bool due(int rows, Clock::Duration openedAt);

    explicit GroupedCommits(Connection& connection, std::function<void()> beforeCommit = {});
    GroupedCommits(const GroupedCommits&) = delete;
    GroupedCommits& operator=(const GroupedCommits&) = delete;

    // Opens the stretch's transaction unless one is open.
    void beforeWrite();
    // Counts a row written; commits when the stretch is full or old enough.
    void afterWrite();
    // Commits what is pending now. A stretch whose commit fails is rolled back.
    void commit();
    // Takes back the stretch under way, if any.
    void rollback();

private:
    Connection& connection_;
    std::function<void()> beforeCommit_;
    std::optional<Transaction> stretch_;
    int rows_ = 0;
    Clock::Duration openedAt_{};
};

}  // namespace db
