#include "platform/db/engines/SqliteFunctions.h"

#include "platform/ErrorVB.h"
#include "platform/VbText.h"
#include "platform/db/ErrorMap.h"
#include "platform/db/engines/SqliteFragments.h"
#include "platform/db/tsql/TsqlLikePattern.h"

#include <QDateTime>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

namespace db {

namespace {

using Arguments = std::span<sqlite3_value*>;

constexpr int NumberLength = 8;  // what DATALENGTH gives for any number
constexpr char DateTimeFormat[] = "yyyy-MM-dd HH:mm:ss";

QString textOf(sqlite3_value* value)
{
    const auto* utf8 = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return QString::fromUtf8(utf8, sqlite3_value_bytes(value));
}

// The value's text in place, as SQLite keeps it.
std::string_view utf8Of(sqlite3_value* value)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return {text, static_cast<size_t>(sqlite3_value_bytes(value))};
}

bool isNull(sqlite3_value* value) { return sqlite3_value_type(value) == SQLITE_NULL; }

void resultText(sqlite3_context* context, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(context, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

// A whole number argument clamped to what QString positions can hold.
int intOf(sqlite3_value* value)
{
    return static_cast<int>(std::clamp<sqlite3_int64>(sqlite3_value_int64(value), -1'000'000'000, 1'000'000'000));
}

void getDate(sqlite3_context* context, Arguments)
{
    resultText(context, QDateTime::currentDateTime().toString(DateTimeFormat));
}

void len(sqlite3_context* context, Arguments args)
{
    sqlite3_result_int(context, static_cast<int>(vb::RTrim(textOf(args[0])).size()));
}

void dataLength(sqlite3_context* context, Arguments args)
{
    switch (sqlite3_value_type(args[0])) {
    case SQLITE_TEXT: sqlite3_result_int(context, static_cast<int>(textOf(args[0]).size())); return;
    case SQLITE_BLOB: sqlite3_result_int(context, sqlite3_value_bytes(args[0])); return;
    default: sqlite3_result_int(context, NumberLength);
    }
}

void charIndex(sqlite3_context* context, Arguments args)
{
    const QString find = textOf(args[0]);
    const QString text = textOf(args[1]);
    const int start = args.size() > 2 ? std::max(1, intOf(args[2])) : 1;
    const bool findable = !find.isEmpty() && start <= text.size();
    sqlite3_result_int(context, findable ? vb::InStr(text, find, start, Qt::CaseInsensitive) : 0);
}

// T-SQL fails on a negative length where SQLite would count backwards.
bool validLength(sqlite3_context* context, int length, const char* function)
{
    if (length >= 0) return true;
    const QByteArray message = QByteArray("Invalid length parameter passed to the ") + function + " function.";
    sqlite3_result_error(context, message.constData(), -1);
    return false;
}

// Characters from `start` for `length`, where positions before 1 count but hold nothing.
void substring(sqlite3_context* context, Arguments args)
{
    const int start = intOf(args[1]);
    const int length = intOf(args[2]);
    if (!validLength(context, length, "substring")) return;
    const int first = std::max(start, 1);
    const int end = start + length;
    resultText(context, end <= first ? QString() : vb::Mid(textOf(args[0]), first, end - first));
}

void left(sqlite3_context* context, Arguments args)
{
    const int length = intOf(args[1]);
    if (validLength(context, length, "left")) resultText(context, vb::Left(textOf(args[0]), length));
}

void right(sqlite3_context* context, Arguments args)
{
    const int length = intOf(args[1]);
    if (validLength(context, length, "right")) resultText(context, vb::Right(textOf(args[0]), length));
}

void upper(sqlite3_context* context, Arguments args) { resultText(context, textOf(args[0]).toUpper()); }

void lower(sqlite3_context* context, Arguments args) { resultText(context, textOf(args[0]).toLower()); }

void replace(sqlite3_context* context, Arguments args)
{
    resultText(context, vb::ReplaceText(textOf(args[0]), textOf(args[1]), textOf(args[2])));
}

// T-SQL's "+": two texts join; otherwise both are read as numbers and added.
void add(sqlite3_context* context, Arguments args)
{
    if (sqlite3_value_type(args[0]) == SQLITE_TEXT && sqlite3_value_type(args[1]) == SQLITE_TEXT) {
        resultText(context, textOf(args[0]) + textOf(args[1]));
        return;
    }
    const int a = sqlite3_value_numeric_type(args[0]);
    const int b = sqlite3_value_numeric_type(args[1]);
    const auto isNumber = [](int type) { return type == SQLITE_INTEGER || type == SQLITE_FLOAT; };
    if (!isNumber(a) || !isNumber(b)) {
        const QString value = textOf(isNumber(a) ? args[1] : args[0]);
        const QByteArray message =
            ("Conversion failed when converting the value '" + value + "' to a number.").toUtf8();
        sqlite3_result_error(context, message.constData(), -1);
        return;
    }
    sqlite3_int64 sum = 0;
    const bool whole = a == SQLITE_INTEGER && b == SQLITE_INTEGER;
    if (whole && !__builtin_add_overflow(sqlite3_value_int64(args[0]), sqlite3_value_int64(args[1]), &sum)) {
        sqlite3_result_int64(context, sum);
        return;
    }
    sqlite3_result_double(context, sqlite3_value_double(args[0]) + sqlite3_value_double(args[1]));
}

// A pattern read once and kept by SQLite beside the statement while the
// pattern argument stays the same, so that a scan does not read it per row.
struct CompiledLike {
    std::optional<QChar> escape;
    TsqlLikePattern pattern;
};

void releaseCompiledLike(void* compiled)
{
    std::unique_ptr<CompiledLike> released(static_cast<CompiledLike*>(compiled));
}

const TsqlLikePattern& likePattern(sqlite3_context* context, sqlite3_value* pattern, const std::optional<QChar>& escape,
                                   std::optional<TsqlLikePattern>& uncached)
{
    if (auto* kept = static_cast<CompiledLike*>(sqlite3_get_auxdata(context, 0)); kept && kept->escape == escape)
        return kept->pattern;
    auto compiled = std::make_unique<CompiledLike>(CompiledLike{escape, TsqlLikePattern(textOf(pattern), escape)});
    sqlite3_set_auxdata(context, 0, compiled.release(), releaseCompiledLike);
    // SQLite may drop it at once (no memory): then it is read for this row only.
    if (auto* kept = static_cast<CompiledLike*>(sqlite3_get_auxdata(context, 0))) return kept->pattern;
    return uncached.emplace(textOf(pattern), escape);
}

// SQLite calls like(pattern, text[, escape]) for "text LIKE pattern [ESCAPE escape]".
void like(sqlite3_context* context, Arguments args)
{
    std::optional<QChar> escape;
    if (args.size() > 2) {
        const QString escapeText = textOf(args[2]);
        if (escapeText.size() != 1) {
            sqlite3_result_error(context, "The ESCAPE clause takes one character.", -1);
            return;
        }
        escape = escapeText[0];
    }
    std::optional<TsqlLikePattern> uncached;
    sqlite3_result_int(context, likePattern(context, args[0], escape, uncached).matchesUtf8(utf8Of(args[1])) ? 1 : 0);
}

// TSQL_LIKE_ANY(pattern, text...): true when any text matches; otherwise
// NULL when a text is NULL, as OR gives, so that NOT (...) keeps its meaning.
void likeAny(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    const Arguments args(argv, static_cast<size_t>(argc));
    if (args.size() < 2 || isNull(args[0])) {
        sqlite3_result_null(context);
        return;
    }
    std::optional<TsqlLikePattern> uncached;
    const std::optional<QChar> noEscape;
    const TsqlLikePattern& pattern = likePattern(context, args[0], noEscape, uncached);
    bool unknown = false;
    for (sqlite3_value* text : args.subspan(1)) {
        if (isNull(text)) {
            unknown = true;
        } else if (pattern.matchesUtf8(utf8Of(text))) {
            sqlite3_result_int(context, 1);
            return;
        }
    }
    if (unknown)
        sqlite3_result_null(context);
    else
        sqlite3_result_int(context, 0);
}

using Body = void (*)(sqlite3_context*, Arguments);

// Gives NULL for a NULL argument, as every T-SQL function here does, then runs the body.
template <Body body>
void callback(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    const Arguments args(argv, static_cast<size_t>(argc));
    if (std::ranges::any_of(args, isNull)) {
        sqlite3_result_null(context);
        return;
    }
    body(context, args);
}

struct Registration {
    const char* name;
    int arguments;
    void (*function)(sqlite3_context*, int, sqlite3_value**);
    bool sameResultForSameArguments = true;
};

const std::array kRegistrations = {
    Registration{"GETDATE", 0, callback<getDate>, false},
    Registration{"LEN", 1, callback<len>},
    Registration{"DATALENGTH", 1, callback<dataLength>},
    Registration{"CHARINDEX", 2, callback<charIndex>},
    Registration{"CHARINDEX", 3, callback<charIndex>},
    Registration{"SUBSTRING", 3, callback<substring>},
    Registration{LeftFunction, 2, callback<left>},
    Registration{RightFunction, 2, callback<right>},
    Registration{AddFunction, 2, callback<add>},
    Registration{"UPPER", 1, callback<upper>},
    Registration{"LOWER", 1, callback<lower>},
    Registration{"REPLACE", 3, callback<replace>},
    Registration{"LIKE", 2, callback<like>},
    Registration{"LIKE", 3, callback<like>},
    Registration{LikeAnyFunction, -1, likeAny},
    Registration{FragmentsFunction, -1, fragmentsFunction},
};

int withoutTrailingBlanks(const char* text, int length)
{
    while (length > 0 && text[length - 1] == ' ') --length;
    return length;
}

char foldedAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The same comparison made on the bytes, for texts whose first difference is
// between two ASCII characters: indexes compare codes this way on every
// lookup, and most codes are ASCII. Nothing when a non-ASCII byte differs.
std::optional<int> compareAtAsciiDifference(const char* a, int aLength, const char* b, int bLength)
{
    aLength = withoutTrailingBlanks(a, aLength);
    bLength = withoutTrailingBlanks(b, bLength);
    const int common = std::min(aLength, bLength);
    int i = 0;
    // Equal bytes need no folding, and codes share long runs of them (their
    // leading blanks): those are passed eight at a time.
    while (i + 8 <= common && std::memcmp(a + i, b + i, 8) == 0) i += 8;
    for (; i < common; ++i) {
        if (a[i] == b[i]) continue;
        if ((a[i] | b[i]) & 0x80) return std::nullopt;
        const char x = foldedAscii(a[i]);
        const char y = foldedAscii(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return aLength == bLength ? 0 : (aLength < bLength ? -1 : 1);
}

// SQL Server's case-insensitive comparison: letters of any alphabet match in
// either case, and trailing blanks do not count ('ANA' = 'ana  ').
int compareLikeSqlServer(void*, int leftLength, const void* left, int rightLength, const void* right)
{
    if (const auto ascii = compareAtAsciiDifference(static_cast<const char*>(left), leftLength,
                                                    static_cast<const char*>(right), rightLength)) {
        return *ascii;
    }
    const QString a = vb::RTrim(QString::fromUtf8(static_cast<const char*>(left), leftLength));
    const QString b = vb::RTrim(QString::fromUtf8(static_cast<const char*>(right), rightLength));
    return a.compare(b, Qt::CaseInsensitive);
}

void failRegistration(sqlite3* connection, const char* name)
{
    throw ErrorVB(ErrorMap::UnspecifiedFailure, QString("Cannot register %1: %2").arg(name, sqlite3_errmsg(connection)),
                  "SQLite");
}

}  // namespace

void registerTsqlFunctions(sqlite3* connection)
{
    for (const Registration& r : kRegistrations) {
        const int flags = SQLITE_UTF8 | (r.sameResultForSameArguments ? SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS : 0);
        const int result = sqlite3_create_function_v2(connection, r.name, r.arguments, flags, nullptr, r.function,
                                                      nullptr, nullptr, nullptr);
        if (result != SQLITE_OK) failRegistration(connection, r.name);
    }
    if (sqlite3_create_collation_v2(connection, CaseInsensitiveCollation, SQLITE_UTF8, nullptr, compareLikeSqlServer,
                                    nullptr)
        != SQLITE_OK)
        failRegistration(connection, CaseInsensitiveCollation);
}

}  // namespace db
