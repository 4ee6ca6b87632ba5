#include "platform/db/engines/SqliteFragments.h"

#include "platform/db/tsql/LikeFolding.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>

namespace db {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

bool continuesCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

void appendToken(std::string& tokens, std::string_view run)
{
    for (const char byte : run) {
        const auto value = static_cast<unsigned char>(byte);
        tokens += kHexDigits[value >> 4];
        tokens += kHexDigits[value & 0xF];
    }
}

// The token of every run of a folded UTF-8 text, each followed by a blank.
void appendRuns(std::string& tokens, const QByteArray& folded)
{
    const auto size = static_cast<int>(folded.size());
    // Where the characters read since the last blank start, latest first.
    std::array<int, LongestFragment> starts{};
    int held = 0;
    for (int start = 0, end = 0; start < size; start = end) {
        end = start + 1;
        while (end < size && continuesCharacter(folded[end])) ++end;
        if (folded[start] == ' ') {
            held = 0;
            continue;
        }
        std::shift_right(starts.begin(), starts.end(), 1);
        starts[0] = start;
        held = std::min(held + 1, LongestFragment);
        for (int i = 0; i < held; ++i) {
            appendToken(tokens, std::string_view(folded.constData() + starts[i], static_cast<size_t>(end - starts[i])));
            tokens += ' ';
        }
    }
}

}  // namespace

QString fragmentToken(QStringView run)
{
    std::string token;
    appendToken(token, likeFoldedText(run).toUtf8().toStdString());
    return QString::fromStdString(token);
}

void fragmentsFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    std::string tokens;
    for (sqlite3_value* text : std::span(argv, static_cast<size_t>(argc))) {
        if (sqlite3_value_type(text) == SQLITE_NULL) continue;
        const auto* utf8 = reinterpret_cast<const char*>(sqlite3_value_text(text));
        appendRuns(tokens, likeFoldedText(QString::fromUtf8(utf8, sqlite3_value_bytes(text))).toUtf8());
    }
    sqlite3_result_text(context, tokens.data(), static_cast<int>(tokens.size()), SQLITE_TRANSIENT);
}

}  // namespace db
