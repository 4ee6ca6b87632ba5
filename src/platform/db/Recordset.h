#pragma once

#include "platform/Variant.h"
#include "platform/db/Engine.h"

#include <QAnyStringView>
#include <QByteArray>
#include <QString>
#include <QVarLengthArray>
#include <QVector>

#include <memory>
#include <optional>
#include <utility>

namespace db {

class Connection;
class ConnectionCore;
class Recordset;

// ADO's cursor and lock codes.
namespace ado {
constexpr int adOpenForwardOnly = 0;
constexpr int adOpenKeyset = 1;
constexpr int adOpenDynamic = 2;
constexpr int adOpenStatic = 3;
constexpr int adLockReadOnly = 1;
constexpr int adLockPessimistic = 2;
constexpr int adLockOptimistic = 3;
constexpr int adLockBatchOptimistic = 4;
constexpr int adUseClient = 3;
constexpr int adStateClosed = 0;
constexpr int adStateOpen = 1;
}  // namespace ado

// One column of a record set's current row.
class Field {
public:
    QString Name() const;
    Variant Value() const;
    // Converted to the column's type; a value that does not fit raises 3421.
    void setValue(const Variant& value);
    int Type() const;
    long DefinedSize() const;

private:
    friend class Recordset;
    Field(Recordset& owner, int index) : owner_(&owner), index_(index) {}

    Recordset* owner_;
    int index_;
};

// The rows of a statement, read whole when opened, as ADO's client-side
// cursor does. A record set opened with a lock other than read-only on a
// one-table SELECT can add, change and delete rows: Update writes an INSERT
// or an UPDATE of the changed columns keyed by the table's primary key (by
// every original value when it has none) and reads back a generated ID.
class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;

    void Open(const QString& source, Connection& connection, int cursorType = ado::adOpenForwardOnly,
              int lockType = ado::adLockReadOnly, long options = -1);
    // Closing with a pending change raises 3219.
    void Close();
    int State() const { return open_ ? ado::adStateOpen : ado::adStateClosed; }

    void setCursorLocation(int location) { cursorLocation_ = location; }
    int CursorLocation() const { return cursorLocation_; }
    int CursorType() const { return cursorType_; }
    int LockType() const { return lockType_; }

    bool Bof() const;
    bool Eof() const;
    void MoveNext();
    void MoveFirst();
    long RecordCount() const;

    int FieldCount() const;
    Field Fields(int index);
    Field Fields(QAnyStringView name);

    void AddNew();
    void Update();
    void CancelUpdate();
    void Delete();
    bool EditPending() const { return edit_.has_value(); }

    // A read-only record set over rows the layer built itself (schema lists).
    static Recordset fromRows(QVector<ColumnInfo> columns, QVector<QVector<Variant>> rows);

private:
    friend class Field;
    friend class Connection;

    // Which columns an edit sets; held in place for all but very wide rows.
    using ColumnFlags = QVarLengthArray<bool, 64>;
    struct Edit {
        QVector<Variant> values;
        ColumnFlags changed;
        bool adding = false;
        int returnTo = 0;
    };
    // The INSERT of an added row that sets these columns, and where the
    // columns the table numbers by itself sit among the record set's.
    struct InsertShape {
        ColumnFlags changed;
        QString statement;
        QVector<int> generated;
    };

    void requireOpen() const;
    void requireCurrent() const;
    void requireUpdatable();
    int indexOf(QAnyStringView name) const;
    void rememberSpelling(const QString& name, int index) const;
    Variant valueAt(int index) const;
    void assign(int index, const Variant& value);
    void beginEdit();
    ColumnFlags noneChanged() const;
    QString quoted(const QString& name) const;
    const InsertShape& insertShape();
    void insertRow();
    void updateRow();
    // WHERE clause and its values that find the current row in its table.
    QString rowCondition(const QVector<Variant>& original, QVector<Variant>& parameters);
    const QVector<ColumnInfo>& tableColumns();
    void load(StatementResult result, const std::shared_ptr<ConnectionCore>& core);

    std::shared_ptr<ConnectionCore> core_;
    bool open_ = false;
    int cursorLocation_ = ado::adUseClient;
    int cursorType_ = ado::adOpenForwardOnly;
    int lockType_ = ado::adLockReadOnly;
    QString statement_;             // as the engine ran it: its table is the one rows are written to
    std::optional<QString> table_;  // known once a write has found it with its columns
    QVector<ColumnInfo> columns_;
    // A column's name as spelt, in UTF-16 and in UTF-8 (the code's literals
    // come as UTF-8 and are then compared byte for byte), and where it sits.
    struct Spelling {
        QString utf16;
        QByteArray utf8;
        int index;
    };
    // The columns' own names, taken at the first lookup by name, then the other
    // spellings asked for, remembered so that a loop naming a column that way
    // finds it without folding the name.
    mutable QVector<Spelling> spellings_;
    QVector<QVector<Variant>> rows_;
    int position_ = 0;
    bool currentDeleted_ = false;
    std::optional<Edit> edit_;
    std::optional<InsertShape> lastInsert_;  // rows added one after another mostly set the same columns
    QVector<Variant> insertValues_;          // kept between added rows so that each does not allocate a list
};

}  // namespace db
