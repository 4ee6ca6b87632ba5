#include "platform/db/Recordset.h"

#include "platform/VbText.h"
#include "platform/db/Connection.h"
#include "platform/db/ConnectionCore.h"
#include "platform/db/ErrorMap.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>
#include <type_traits>

namespace db {

namespace {

const QString kSource = QStringLiteral("ADODB.Recordset");
const QString kFieldSource = QStringLiteral("ADODB.Field");

// The table of a one-table SELECT ("SELECT ... FROM t [alias] [WHERE|ORDER|GROUP|LIMIT ...]").
std::optional<QString> baseTableOf(const QString& statement)
{
    static const QRegularExpression single(
        QStringLiteral("^\\s*SELECT\\s.*?\\sFROM\\s+((?:\"[^\"]+\"|[\\w$#@]+)(?:\\.(?:\"[^\"]+\"|[\\w$#@]+))*)"
                       "(?:\\s+(?!WHERE\\b|ORDER\\b|GROUP\\b|LIMIT\\b)(?:AS\\s+)?\\w+)?"
                       "\\s*(?:$|WHERE\\b|ORDER\\b|GROUP\\b|LIMIT\\b)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const auto match = single.match(statement);
    if (!match.hasMatch()) return std::nullopt;
    QString name = match.captured(1).split(u'.').last();
    name.remove(u'"');
    return name;
}

std::optional<Variant> asNumber(const Variant& value, bool whole)
{
    double number = 0;
    switch (value.type()) {
    case Variant::Type::Integer:
    case Variant::Type::Double: number = value.toDouble(); break;
    case Variant::Type::Boolean: number = value.toBool() ? 1 : 0; break;  // as a bit column stores it
    case Variant::Type::Text: {
        const auto parsed = vb::ParseNumber(value.toText());
        if (!parsed) return std::nullopt;
        number = *parsed;
        break;
    }
    default: return std::nullopt;
    }
    if (whole) return Variant(static_cast<qint64>(std::nearbyint(number)));
    return Variant(number);
}

std::optional<Variant> asBoolean(const Variant& value)
{
    if (value.type() == Variant::Type::Boolean) return value;
    if (value.type() == Variant::Type::Text) {
        const QString text = vb::Trim(value.toText());
        for (const char* yes : {"true", "verdadero"}) {
            if (vb::SameText(text, yes)) return Variant(true);
        }
        for (const char* no : {"false", "falso"}) {
            if (vb::SameText(text, no)) return Variant(false);
        }
    }
    const auto number = asNumber(value, false);
    if (!number) return std::nullopt;
    return Variant(number->toDouble() != 0.0);
}

std::optional<Variant> asDate(const Variant& value)
{
    if (value.type() == Variant::Type::Date) return value;
    if (value.type() != Variant::Type::Text) return std::nullopt;
    const auto date = vb::ParseDate(value.toText());
    if (!date) return std::nullopt;
    return Variant(*date);
}

// The value as the column stores it; nothing when it cannot be converted.
std::optional<Variant> convertFor(const ColumnType& type, const Variant& value)
{
    if (value.isNull() || value.isEmpty()) return Variant::null();
    if (type.isBoolean()) return asBoolean(value);
    if (type.isNumber()) return asNumber(value, type.isWholeNumber());
    if (type.isDate()) return asDate(value);
    if (type.isText()) return value.type() == Variant::Type::Text ? value : Variant(value.toText());
    return value;
}

}  // namespace

// --- Field ------------------------------------------------------------------

QString Field::Name() const { return owner_->columns_.at(index_).name; }

Variant Field::Value() const { return owner_->valueAt(index_); }

void Field::setValue(const Variant& value) { owner_->assign(index_, value); }

int Field::Type() const { return owner_->columns_.at(index_).type.adoType; }

long Field::DefinedSize() const { return owner_->columns_.at(index_).type.definedSize; }

// --- Recordset --------------------------------------------------------------

Recordset::Recordset() = default;
Recordset::~Recordset() = default;
Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;

void Recordset::Open(const QString& source, Connection& connection, int cursorType, int lockType, long)
{
    if (open_) throw ErrorMap::objectError(ErrorMap::AlreadyOpen, kSource);
    const std::shared_ptr<ConnectionCore> core = connection.core();
    const QVector<StatementResult> results = core->runBatch(source, kSource);
    const auto rows = std::find_if(results.begin(), results.end(), [](const auto& r) { return r.hasRows; });
    if (rows == results.end()) return;  // a statement without rows leaves the record set closed
    cursorType_ = cursorType;
    lockType_ = lockType;
    load(*rows, core);
}

void Recordset::load(StatementResult result, const std::shared_ptr<ConnectionCore>& core)
{
    core_ = core;
    statement_ = std::move(result.statement);
    columns_ = std::move(result.columns);
    spellings_.clear();
    rows_ = std::move(result.rows);
    table_.reset();
    lastInsert_.reset();
    position_ = 0;
    currentDeleted_ = false;
    edit_.reset();
    open_ = true;
}

Recordset Recordset::fromRows(QVector<ColumnInfo> columns, QVector<QVector<Variant>> rows)
{
    Recordset recordset;
    StatementResult result;
    result.hasRows = true;
    result.columns = std::move(columns);
    result.rows = std::move(rows);
    recordset.load(std::move(result), nullptr);
    return recordset;
}

void Recordset::Close()
{
    if (!open_) throw ErrorMap::objectError(ErrorMap::ObjectClosed, kSource);
    if (edit_) throw ErrorMap::objectError(ErrorMap::NotAllowedWhileEditing, kSource);
    open_ = false;
    columns_.clear();
    spellings_.clear();
    rows_.clear();
    core_.reset();
}

void Recordset::requireOpen() const
{
    if (!open_) throw ErrorMap::objectError(ErrorMap::ObjectClosed, kSource);
}

void Recordset::requireCurrent() const
{
    requireOpen();
    if (edit_ && edit_->adding) return;
    if (currentDeleted_ || Bof() || Eof()) throw ErrorMap::objectError(ErrorMap::NoCurrentRecord, kSource);
}

bool Recordset::Bof() const
{
    requireOpen();
    return rows_.isEmpty() || position_ < 0;
}

bool Recordset::Eof() const
{
    requireOpen();
    return rows_.isEmpty() || position_ >= rows_.size();
}

void Recordset::MoveNext()
{
    requireOpen();
    if (edit_) Update();
    if (currentDeleted_) {
        currentDeleted_ = false;
        return;
    }
    if (Eof()) throw ErrorMap::objectError(ErrorMap::NoCurrentRecord, kSource);
    ++position_;
}

void Recordset::MoveFirst()
{
    requireOpen();
    if (edit_) Update();
    currentDeleted_ = false;
    position_ = 0;
}

long Recordset::RecordCount() const
{
    requireOpen();
    return static_cast<long>(rows_.size());
}

int Recordset::FieldCount() const
{
    requireOpen();
    return static_cast<int>(columns_.size());
}

int Recordset::indexOf(QAnyStringView name) const
{
    if (spellings_.isEmpty()) {
        for (int i = 0; i < columns_.size(); ++i) rememberSpelling(columns_[i].name, i);
    }
    const std::optional<int> spelt = name.visit([this](auto view) -> std::optional<int> {
        for (const Spelling& spelling : std::as_const(spellings_)) {
            if constexpr (std::is_same_v<decltype(view), QUtf8StringView>) {
                if (QByteArrayView(spelling.utf8) == QByteArrayView(view.data(), view.size())) return spelling.index;
            } else if (QAnyStringView::equal(spelling.utf16, view)) {
                return spelling.index;
            }
        }
        return std::nullopt;
    });
    if (spelt) return *spelt;
    const QString asked = name.toString();
    const QString wanted = vb::Trim(asked);
    for (int i = 0; i < columns_.size(); ++i) {
        if (vb::SameText(columns_[i].name, wanted)) {
            rememberSpelling(asked, i);
            return i;
        }
    }
    throw ErrorMap::objectError(ErrorMap::ItemNotFound, kSource);
}

void Recordset::rememberSpelling(const QString& name, int index) const
{
    spellings_.append({name, name.toUtf8(), index});
}

Field Recordset::Fields(int index)
{
    requireOpen();
    if (index < 0 || index >= columns_.size()) throw ErrorMap::objectError(ErrorMap::ItemNotFound, kSource);
    return Field(*this, index);
}

Field Recordset::Fields(QAnyStringView name)
{
    requireOpen();
    return Field(*this, indexOf(name));
}

Variant Recordset::valueAt(int index) const
{
    if (edit_) return edit_->values.at(index);
    requireCurrent();
    return rows_.at(position_).at(index);
}

void Recordset::requireUpdatable()
{
    requireOpen();
    if (lockType_ == ado::adLockReadOnly || !core_) throw ErrorMap::objectError(ErrorMap::NotSupported, kSource);
    if (table_) return;  // found by an earlier write
    const std::optional<QString> table = baseTableOf(statement_);
    if (!table || core_->tableColumns(*table, kSource).isEmpty())
        throw ErrorMap::objectError(ErrorMap::NotSupported, kSource);
    table_ = table;
}

const QVector<ColumnInfo>& Recordset::tableColumns() { return core_->tableColumns(*table_, kSource); }

void Recordset::beginEdit()
{
    requireUpdatable();
    requireCurrent();
    edit_ = Edit{rows_.at(position_), noneChanged(), false, position_};
}

Recordset::ColumnFlags Recordset::noneChanged() const
{
    ColumnFlags flags(columns_.size());
    std::fill(flags.begin(), flags.end(), false);
    return flags;
}

void Recordset::assign(int index, const Variant& value)
{
    if (!edit_) beginEdit();
    auto converted = convertFor(columns_.at(index).type, value);
    if (!converted) throw ErrorMap::objectError(ErrorMap::WrongType, kFieldSource);
    edit_->values[index] = std::move(*converted);
    edit_->changed[index] = true;
}

void Recordset::AddNew()
{
    requireUpdatable();
    if (edit_) Update();
    edit_ = Edit{QVector<Variant>(columns_.size(), Variant::null()), noneChanged(), true, position_};
    currentDeleted_ = false;
}

void Recordset::CancelUpdate()
{
    requireOpen();
    if (edit_) position_ = edit_->returnTo;
    edit_.reset();
}

void Recordset::Update()
{
    requireOpen();
    if (!edit_) return;
    if (edit_->adding)
        insertRow();
    else
        updateRow();
}

QString Recordset::quoted(const QString& name) const { return core_->requireEngine(kSource).quoteIdentifier(name); }

const Recordset::InsertShape& Recordset::insertShape()
{
    if (lastInsert_ && lastInsert_->changed == edit_->changed) return *lastInsert_;
    InsertShape shape{edit_->changed, {}, {}};
    QStringList names;
    for (int i = 0; i < columns_.size(); ++i) {
        if (edit_->changed[i]) names.append(quoted(columns_[i].name));
    }
    shape.statement = names.isEmpty() ? "INSERT INTO " + quoted(*table_) + " DEFAULT VALUES"
                                      : "INSERT INTO " + quoted(*table_) + " (" + names.join(',') + ") VALUES ("
                                            + QStringList(names.size(), "?").join(',') + ")";
    for (const ColumnInfo& column : tableColumns()) {
        if (!column.autoIncrement) continue;
        for (int i = 0; i < columns_.size(); ++i) {
            if (vb::SameText(columns_[i].name, column.name)) shape.generated.append(i);
        }
    }
    return lastInsert_.emplace(std::move(shape));
}

void Recordset::insertRow()
{
    const InsertShape& shape = insertShape();
    insertValues_.clear();
    for (int i = 0; i < columns_.size(); ++i) {
        if (edit_->changed[i]) insertValues_.append(edit_->values[i]);
    }
    core_->runOwn(shape.statement, insertValues_, ErrorMap::Context::RecordsetUpdate, kSource);

    QVector<Variant> row = std::move(edit_->values);
    for (const int i : shape.generated) row[i] = Variant(core_->requireEngine(kSource).lastInsertId());
    rows_.append(std::move(row));
    position_ = static_cast<int>(rows_.size()) - 1;
    edit_.reset();
}

void Recordset::updateRow()
{
    QStringList assignments;
    QVector<Variant> parameters;
    for (int i = 0; i < columns_.size(); ++i) {
        if (!edit_->changed[i]) continue;
        assignments.append(quoted(columns_[i].name) + "=?");
        parameters.append(edit_->values[i]);
    }
    if (assignments.isEmpty()) {
        edit_.reset();
        return;
    }
    const QString condition = rowCondition(rows_.at(position_), parameters);
    const StatementResult result =
        core_->runOwn("UPDATE " + quoted(*table_) + " SET " + assignments.join(',') + " WHERE " + condition, parameters,
                      ErrorMap::Context::RecordsetUpdate, kSource);
    if (result.rowsAffected == 0) throw ErrorMap::objectError(ErrorMap::RowNotLocated, kSource);
    rows_[position_] = edit_->values;
    edit_.reset();
}

void Recordset::Delete()
{
    requireUpdatable();
    if (edit_ && edit_->adding) {
        CancelUpdate();
        return;
    }
    edit_.reset();
    requireCurrent();
    QVector<Variant> parameters;
    const QString condition = rowCondition(rows_.at(position_), parameters);
    const StatementResult result = core_->runOwn("DELETE FROM " + quoted(*table_) + " WHERE " + condition, parameters,
                                                 ErrorMap::Context::RecordsetUpdate, kSource);
    if (result.rowsAffected == 0) throw ErrorMap::objectError(ErrorMap::RowNotLocated, kSource);
    rows_.remove(position_);
    currentDeleted_ = true;
}

QString Recordset::rowCondition(const QVector<Variant>& original, QVector<Variant>& parameters)
{
    const QVector<ColumnInfo>& table = tableColumns();
    const bool hasKey = std::any_of(table.begin(), table.end(), [](const ColumnInfo& c) { return c.primaryKey; });
    QStringList parts;
    for (int i = 0; i < columns_.size(); ++i) {
        const auto column = std::find_if(table.begin(), table.end(),
                                         [&](const ColumnInfo& c) { return vb::SameText(c.name, columns_[i].name); });
        if (column == table.end() || (hasKey && !column->primaryKey)) continue;
        if (original[i].isNull()) {
            parts.append(quoted(columns_[i].name) + " IS NULL");
        } else {
            parts.append(quoted(columns_[i].name) + "=?");
            parameters.append(original[i]);
        }
    }
    if (parts.isEmpty()) throw ErrorMap::objectError(ErrorMap::NotSupported, kSource);
    return parts.join(" AND ");
}

}  // namespace db
