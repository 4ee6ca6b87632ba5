#include "platform/db/GroupedCommits.h"

#include "platform/db/Connection.h"

#include <QScopeGuard>

namespace db {

GroupedCommits::GroupedCommits(Connection& connection, std::function<void()> beforeCommit)
    : connection_(connection), beforeCommit_(std::move(beforeCommit))
{
}

void GroupedCommits::beforeWrite()
{
    if (stretch_) return;
    stretch_.emplace(connection_);
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
    if (!stretch_) return;
    if (beforeCommit_) beforeCommit_();
    const auto ended = qScopeGuard([this] { stretch_.reset(); });
    stretch_->commit();
}

void GroupedCommits::rollback() { stretch_.reset(); }

}  // namespace db
