#include "platform/db/engines/SqliteFragments.h"

#include "platform/db/tsql/LikeFolding.h"

#include <QString>

#include <sqlite3.h>

#include <algorithm>
#include <array>

namespace db {

namespace {

using TokenCallback = int (*)(void*, int, const char*, int, int, int);

bool continuesCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// Offsets are those of the folded text: with no positions kept, nothing reads them.
int tokenize(Fts5Tokenizer*, void* context, int flags, const char* text, int length, TokenCallback token)
{
    const QByteArray folded = likeFoldedText(QString::fromUtf8(text, length)).toUtf8();
    const int size = static_cast<int>(folded.size());
    if (flags & FTS5_TOKENIZE_QUERY) return token(context, 0, folded.constData(), size, 0, size);
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
            if (const int result = token(context, 0, folded.constData() + starts[i], end - starts[i], starts[i], end);
                result != SQLITE_OK)
                return result;
        }
    }
    return SQLITE_OK;
}

// The tokenizer keeps no state: any non-null handle serves.
int create(void*, const char**, int, Fts5Tokenizer** tokenizer)
{
    static char handle;
    *tokenizer = reinterpret_cast<Fts5Tokenizer*>(&handle);
    return SQLITE_OK;
}

void release(Fts5Tokenizer*) {}

fts5_api* fullTextApi(sqlite3* connection)
{
    fts5_api* api = nullptr;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(connection, "SELECT fts5(?1)", -1, &statement, nullptr) == SQLITE_OK) {
        sqlite3_bind_pointer(statement, 1, static_cast<void*>(&api), "fts5_api_ptr", nullptr);
        sqlite3_step(statement);
    }
    sqlite3_finalize(statement);
    return api;
}

}  // namespace

bool registerFragmentTokenizer(sqlite3* connection)
{
    static fts5_tokenizer tokenizer{create, release, tokenize};
    fts5_api* api = fullTextApi(connection);
    return api && api->xCreateTokenizer(api, FragmentTokenizer, nullptr, &tokenizer, nullptr) == SQLITE_OK;
}

}  // namespace db
