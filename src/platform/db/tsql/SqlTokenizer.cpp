#include "platform/db/tsql/SqlTokenizer.h"

#include "platform/db/tsql/UntranslatableConstruct.h"

#include <array>

namespace db {

namespace {

// Longest first, so that "<>" is not read as "<" and ">".
const std::array<QString, 7> kTwoCharacterSymbols = {QStringLiteral("<>"), QStringLiteral("<="), QStringLiteral(">="),
                                                     QStringLiteral("!="), QStringLiteral("!<"), QStringLiteral("!>"),
                                                     QStringLiteral("||")};

constexpr char16_t kAsciiLimit = 0x80;

// Each ASCII character as a text of its own, made once: single blanks,
// commas, parentheses and the like recur in every statement, and their
// tokens share these instead of each holding a copy.
const std::array<QString, kAsciiLimit>& asciiCharacters()
{
    static const std::array<QString, kAsciiLimit> characters = [] {
        std::array<QString, kAsciiLimit> made;
        for (char16_t c = 0; c < kAsciiLimit; ++c) made[c] = QString(QChar(c));
        return made;
    }();
    return characters;
}

bool isNameStart(QChar c) { return c.isLetter() || c == u'_'; }
bool isNamePart(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'$' || c == u'#'; }

}  // namespace

TokenList SqlTokenizer::tokenize(const QString& text)
{
    SqlTokenizer tokenizer(text);
    TokenList tokens;
    while (tokenizer.pos_ < text.size()) tokens.append(tokenizer.next());
    return tokens;
}

QChar SqlTokenizer::peek(int ahead) const
{
    const int i = pos_ + ahead;
    return i < text_.size() ? text_[i] : QChar();
}

SqlToken SqlTokenizer::take(SqlToken::Kind kind, int start) const
{
    if (pos_ - start == 1 && text_[start].unicode() < kAsciiLimit)
        return {kind, asciiCharacters()[text_[start].unicode()]};
    return {kind, text_.mid(start, pos_ - start)};
}

SqlToken SqlTokenizer::next()
{
    const QChar c = peek();
    if (c.isSpace()) return space();
    if (at(u"--")) return lineComment();
    if (at(u"/*")) return blockComment();
    if (c == u'\'') return quoted(u'\'', SqlToken::Kind::Text);
    if (c == u'[') return quoted(u']', SqlToken::Kind::QuotedName);
    if (c == u'"') return quoted(u'"', SqlToken::Kind::QuotedName);
    if (c == u'@') return variable();
    if (c.isDigit() || (c == u'.' && peek(1).isDigit())) return number();
    if (isNameStart(c)) return word();
    return symbol();
}

SqlToken SqlTokenizer::space()
{
    const int start = pos_;
    while (peek().isSpace()) ++pos_;
    return take(SqlToken::Kind::Space, start);
}

SqlToken SqlTokenizer::lineComment()
{
    while (pos_ < text_.size() && peek() != u'\r' && peek() != u'\n') ++pos_;
    return SqlToken::blank();
}

SqlToken SqlTokenizer::blockComment()
{
    const int end = text_.indexOf(QStringLiteral("*/"), pos_ + 2);
    if (end < 0) refuseConstruct("unterminated comment");
    pos_ = end + 2;
    return SqlToken::blank();
}

// A literal or quoted name; the closing character written twice stands for itself.
SqlToken SqlTokenizer::quoted(QChar close, SqlToken::Kind kind)
{
    const int start = pos_++;
    for (;;) {
        if (pos_ >= text_.size()) {
            refuseConstruct(kind == SqlToken::Kind::Text ? QStringLiteral("unterminated string literal")
                                                         : QStringLiteral("unterminated quoted name"));
        }
        if (peek() == close && peek(1) == close) {
            pos_ += 2;
        } else if (peek() == close) {
            ++pos_;
            return take(kind, start);
        } else {
            ++pos_;
        }
    }
}

SqlToken SqlTokenizer::word()
{
    const int start = pos_;
    while (isNamePart(peek())) ++pos_;
    return take(SqlToken::Kind::Word, start);
}

SqlToken SqlTokenizer::variable()
{
    const int start = pos_;
    while (peek() == u'@') ++pos_;
    while (isNamePart(peek())) ++pos_;
    return take(SqlToken::Kind::Variable, start);
}

SqlToken SqlTokenizer::number()
{
    const int start = pos_;
    while (peek().isLetterOrNumber() || peek() == u'.') {
        const bool exponentSign = (peek() == u'e' || peek() == u'E') && (peek(1) == u'+' || peek(1) == u'-');
        pos_ += exponentSign ? 2 : 1;
    }
    return take(SqlToken::Kind::Number, start);
}

SqlToken SqlTokenizer::symbol()
{
    for (const QString& s : kTwoCharacterSymbols) {
        if (at(s)) {
            pos_ += static_cast<int>(s.size());
            return SqlToken::symbol(s);
        }
    }
    const int start = pos_++;
    return take(SqlToken::Kind::Symbol, start);
}

}  // namespace db
