#include "platform/db/GroupedCommits.h"

#include "platform/db/Connection.h"

namespace db {

GroupedCommits::GroupedCommits(Connection& connection, std::function<void()> beforeCommit)
    : connection_(connection), beforeCommit_(std::move(beforeCommit))
{
}

GroupedCommits::~GroupedCommits() { commitQuietly(); }

void GroupedCommits::beforeWrite()
{
    raiseLaterFailure();
    if (open_) return;
    connection_.BeginTrans();
    open_ = true;
    rows_ = 0;
    openedAt_ = clockNow();
}

bool GroupedCommits::due(int rows, Clock::Duration openedAt)
{
    return rows >= kRowsPerCommit || clockNow() - openedAt >= kTimePerCommit;
}

void GroupedCommits::afterWrite()
{
    if (due(++rows_, openedAt_)) commit();
}

void GroupedCommits::commit()
{
    raiseLaterFailure();
    if (!open_) return;
    open_ = false;
    if (beforeCommit_) beforeCommit_();
    connection_.CommitTrans();
}

void GroupedCommits::commitQuietly()
{
    try {
        commit();
    } catch (const ErrorVB& failure) {
        laterFailure_ = failure;
    }
}

void GroupedCommits::raiseLaterFailure()
{
    if (!laterFailure_) return;
    const ErrorVB failure = *laterFailure_;
    laterFailure_.reset();
    throw failure;
}

}  // namespace db
