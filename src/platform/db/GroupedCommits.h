#pragma once

#include "platform/Clock.h"
#include "platform/ErrorVB.h"

#include <functional>
#include <optional>

namespace db {

class Connection;

// The writes of a long run, committed in short stretches instead of one by
// one: a transaction is opened before the first write of a stretch and
// committed once it holds kRowsPerCommit rows or has been open
// kTimePerCommit by the program's clock, whichever comes first, and whenever the caller
// commits. Whatever is still open is committed when the object goes.
// `beforeCommit`, when given, runs before each commit; it must not raise.
class GroupedCommits {
public:
    static constexpr int kRowsPerCommit = 1000;
    static constexpr Clock::Duration kTimePerCommit{100};

    // The rule itself, for writers that keep their own transactions: a
    // stretch of `rows` writes, opened at `openedAt`, is to be committed now.
    static bool due(int rows, Clock::Duration openedAt);

    explicit GroupedCommits(Connection& connection, std::function<void()> beforeCommit = {});
    ~GroupedCommits();
    GroupedCommits(const GroupedCommits&) = delete;
    GroupedCommits& operator=(const GroupedCommits&) = delete;

    // Opens the stretch's transaction unless one is open.
    void beforeWrite();
    // Counts a row written; commits when the stretch is full or old enough.
    void afterWrite();
    // Commits what is pending now; raises a failure of an earlier quiet commit.
    void commit();
    // The same where nothing may be raised: a failure waits for the next call.
    void commitQuietly();

private:
    void raiseLaterFailure();

    Connection& connection_;
    std::function<void()> beforeCommit_;
    bool open_ = false;
    int rows_ = 0;
    Clock::Duration openedAt_{};
    std::optional<ErrorVB> laterFailure_;
};

}  // namespace db
