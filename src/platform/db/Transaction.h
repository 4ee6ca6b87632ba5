#pragma once

namespace db {

class Connection;

// A transaction for the length of a scope: begun when made, rolled back when
// it goes unless it was committed or rolled back before. Writes that must
// land together go inside one; an exception that leaves the scope takes them
// all back.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Raises the connection's failure; a commit that fails leaves the
    // transaction to be rolled back when it goes.
    void commit();
    // Raises the connection's failure; nothing is tried again when it goes.
    void rollback();

private:
    Connection& connection_;
    bool ended_ = false;
};

}  // namespace db
