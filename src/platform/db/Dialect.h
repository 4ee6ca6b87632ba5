#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace db {

// Every statement the system builds is SQL Server (T-SQL) text; a dialect turns
// it into what one engine runs.
//
// Where a batch splits into statements: at each ";" and at each line break (CR,
// LF or CR LF) outside string literals and parentheses whose next line starts
// with a word that opens a statement (SELECT, INSERT, UPDATE, DELETE, IF, BEGIN,
// COMMIT, ROLLBACK, SAVE, SET, CREATE, ALTER, DROP, TRUNCATE, DECLARE, EXEC,
// EXECUTE). That word continues the statement before it instead when
//   - that statement so far ends in a comma, an operator or a word that asks for
//     more (AND, OR, NOT, ON, AS, FROM, WHERE, SET, BY, JOIN, UNION, ALL, INTO,
//     VALUES, SELECT, THEN, ELSE, WHEN, IN, EXISTS, LIKE, IS ...);
//   - that statement is an IF whose body has not started (the word is the body);
//   - the word is SELECT and that statement is an INSERT without VALUES;
//   - the word is SET and that statement is an UPDATE without its SET clause.
// A SET option ends with its line. A line holding only GO ends the statement
// before it and is dropped, and so are statements left empty.
class Dialect {
public:
    virtual ~Dialect() = default;

    // The statements of a T-SQL batch, each rewritten for this engine, in order.
    // `database` is the connection's current database name (three-part names that
    // name it are reduced to the table). Throws ErrorVB(ErrorMap::ErrorsInCommand, text naming
    // the construct) for a construct it cannot translate.
    virtual QStringList translate(const QString& batch, const QString& database) const = 0;

    // Whether statements that differ only in their compared literals may run
    // as one statement with those literals bound as parameters.
    virtual bool bindsComparedLiterals() const { return true; }
};

std::unique_ptr<Dialect> makeSqlServerDialect();  // passes the batch unchanged, as one statement
std::unique_ptr<Dialect> makeSqliteDialect();
std::unique_ptr<Dialect> makePostgresDialect();

}  // namespace db
