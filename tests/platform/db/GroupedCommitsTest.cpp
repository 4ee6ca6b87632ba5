#include "platform/db/Connection.h"
#include "platform/db/GroupedCommits.h"
#include "support/DatabaseTest.h"

#include <optional>

using namespace db;

class GroupedCommitsTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        connection.Open(connectionText());
        observer.Open(connectionText());
    }

    void write(GroupedCommits& commits, int unit)
    {
        commits.beforeWrite();
        connection.Execute("INSERT INTO V_TA_UNIDAD (IdUnidad) VALUES ('" + QString::number(unit) + "')");
        commits.afterWrite();
    }
    // Rows another connection sees: the committed ones.
    long committedUnits() { return observer.Execute("SELECT COUNT(*) FROM V_TA_UNIDAD").Fields(0).Value().toLong(); }

    Connection connection;
    Connection observer;
};

TEST_P(GroupedCommitsTest, NoMoreThanAStretchIsEverLeftUncommittedAndTheRestGoesAtTheEnd)
{
    const int rows = GroupedCommits::kRowsPerCommit + 1;
    GroupedCommits commits(connection);
    for (int unit = 1; unit <= rows; ++unit) {
        write(commits, unit);
        ASSERT_LT(unit - committedUnits(), GroupedCommits::kRowsPerCommit) << "after row " << unit;
    }
    commits.commit();
    EXPECT_EQ(committedUnits(), rows);
}

TEST_P(GroupedCommitsTest, AStretchOpenForItsTimeIsCommittedAtItsNextWrite)
{
    GroupedCommits commits(connection);
    write(commits, 1);
    reloj->advance(GroupedCommits::kTimePerCommit - Clock::Duration(1));
    write(commits, 2);
    EXPECT_EQ(committedUnits(), 0);
    reloj->advance(Clock::Duration(1));
    write(commits, 3);
    EXPECT_EQ(committedUnits(), 3);
}

TEST_P(GroupedCommitsTest, AFailedWriteDoesNotTakeTheRowsBeforeIt)
{
    GroupedCommits commits(connection);
    write(commits, 1);
    write(commits, 2);
    EXPECT_THROW(write(commits, 1), ErrorVB) << "a duplicate key";
    commits.commit();
    EXPECT_EQ(committedUnits(), 2);
    write(commits, 3);
    commits.commit();
    EXPECT_EQ(committedUnits(), 3);
}

TEST_P(GroupedCommitsTest, AStretchLeftOpenWhenTheRunIsAbandonedIsRolledBack)
{
    {
        GroupedCommits commits(connection);
        write(commits, 1);
        commits.commit();
        write(commits, 2);
    }
    EXPECT_EQ(committedUnits(), 1);
    EXPECT_EQ(connection.Execute("SELECT COUNT(*) FROM V_TA_UNIDAD").Fields(0).Value().toLong(), 1)
        << "nothing is left open on the connection";
}

ON_EVERY_ENGINE(GroupedCommitsTest);
