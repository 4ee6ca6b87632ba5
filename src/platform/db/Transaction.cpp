#include "platform/db/Transaction.h"

#include "platform/ErrorVB.h"
#include "platform/db/Connection.h"

namespace db {

Transaction::Transaction(Connection& connection) : connection_(connection) { connection_.BeginTrans(); }

Transaction::~Transaction()
{
    if (ended_) return;
    try {
        connection_.RollbackTrans();
    } catch (const ErrorVB&) {
        // A link that is gone has nothing left to roll back, and nothing may leave a destructor.
    }
}

void Transaction::commit()
{
    connection_.CommitTrans();
    ended_ = true;
}

void Transaction::rollback()
{
    ended_ = true;
    connection_.RollbackTrans();
}

}  // namespace db
