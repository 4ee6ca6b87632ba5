#include "platform/db/tsql/TsqlLikePattern.h"

#include "platform/db/tsql/LikeFolding.h"

#include <algorithm>

namespace db {

namespace {

// Characters that mean something in a regular expression, outside a bracket and inside one.
const QString kRegexSpecial = QStringLiteral("\\^$.|?*+()[]{}");
const QString kBracketSpecial = QStringLiteral("\\^-[]");
// A set that holds no character matches nothing, and so does the whole pattern.
const QString kNeverMatches = QStringLiteral("(?!)");

constexpr char32_t kReplacement = 0xFFFD;

QString character(char32_t c) { return QString::fromUcs4(&c, 1); }

QString escaped(char32_t c, const QString& special)
{
    const QString text = character(c);
    return special.contains(text) ? u'\\' + text : text;
}

// The letter and its accented forms as one bracket, or the letter alone.
QString literalExpression(char32_t folded)
{
    const QString variants = likeVariants(folded);
    return variants.size() > 1 ? u'[' + variants + u']' : escaped(folded, kRegexSpecial);
}

// Text being matched, folded into a buffer of the thread's that keeps its
// room between rows, so a scan does not allocate per row.
std::vector<char32_t>& foldBuffer()
{
    thread_local std::vector<char32_t> buffer;
    buffer.clear();
    return buffer;
}

// ASCII text folded as it is read: most texts are, and need no buffer.
struct AsciiText {
    std::string_view bytes;

    size_t size() const { return bytes.size(); }
    char32_t operator[](size_t i) const { return likeFoldedAscii(static_cast<unsigned char>(bytes[i])); }
};

bool isAscii(std::string_view text)
{
    unsigned char any = 0;
    for (const char c : text) any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

// One code point of UTF-8 from `text` at `i`, which moves past it; a
// malformed sequence gives the replacement character and moves one byte.
char32_t nextCodePoint(std::string_view text, size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) return lead;
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (extra == 0 || i + extra > text.size()) return kReplacement;
    char32_t c = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) return kReplacement;
        c = (c << 6) | (next & 0x3F);
    }
    i += extra;
    return c;
}

}  // namespace

TsqlLikePattern::TsqlLikePattern(const QString& pattern, std::optional<QChar> escape)
{
    const std::u32string text = pattern.toStdU32String();
    const bool escapes = escape.has_value();
    const char32_t escapeCode = escape.value_or(QChar()).unicode();
    for (size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (escapes && c == escapeCode && i + 1 < text.size()) {
            elements_.push_back({Element::Kind::Literal, likeFolded(text[++i]), {}, false});
        } else if (c == U'%') {
            elements_.push_back({Element::Kind::AnyRun, 0, {}, false});
        } else if (c == U'_') {
            elements_.push_back({Element::Kind::AnyOne, 0, {}, false});
        } else if (c == U'[') {
            const std::optional<Element> set = readSet(text, i);
            elements_.push_back(set ? *set : Element{Element::Kind::Literal, c, {}, false});
        } else {
            elements_.push_back({Element::Kind::Literal, likeFolded(c), {}, false});
        }
    }
}

std::optional<TsqlLikePattern::Element> TsqlLikePattern::readSet(const std::u32string& pattern, size_t& i)
{
    const size_t close = pattern.find(U']', i + 1);
    if (close == std::u32string::npos) return std::nullopt;
    Element set{Element::Kind::Set, 0, {}, false};
    size_t j = i + 1;
    if (j < close && pattern[j] == U'^') {
        set.negated = true;
        ++j;
    }
    for (; j < close; ++j) {
        const bool range = j + 2 < close && pattern[j + 1] == U'-';
        const char32_t low = likeFolded(pattern[j]);
        const char32_t high = range ? likeFolded(pattern[j + 2]) : low;
        set.ranges.push_back({low, high});
        if (range) j += 2;
    }
    i = close;
    return set;
}

bool TsqlLikePattern::Element::matches(char32_t c) const
{
    switch (kind) {
    case Kind::AnyRun:
    case Kind::AnyOne: return true;
    case Kind::Literal: return c == literal;
    case Kind::Set: break;
    }
    const bool inSet = std::ranges::any_of(ranges, [c](const Range& r) { return r.low <= c && c <= r.high; });
    return inSet != negated;
}

QString TsqlLikePattern::Element::regularExpression() const
{
    switch (kind) {
    case Kind::AnyRun: return QStringLiteral(".*");
    case Kind::AnyOne: return QStringLiteral(".");
    case Kind::Literal: return literalExpression(literal);
    case Kind::Set: break;
    }
    QString members;
    for (const Range& r : ranges) {
        if (r.high < r.low) continue;  // holds nothing, as in matches()
        members += escaped(r.low, kBracketSpecial);
        if (r.high != r.low) members += u'-' + escaped(r.high, kBracketSpecial);
    }
    if (members.isEmpty()) return negated ? QStringLiteral(".") : kNeverMatches;
    return u'[' + QString(negated ? "^" : "") + members + u']';
}

QString TsqlLikePattern::regularExpression() const
{
    QString expression = QStringLiteral("^");
    for (const Element& element : elements_) expression += element.regularExpression();
    return expression + u'$';
}

bool TsqlLikePattern::matchesUtf8(std::string_view text) const
{
    if (isAscii(text)) return matchesFolded(AsciiText{text});
    std::vector<char32_t>& folded = foldBuffer();
    for (size_t i = 0; i < text.size();) folded.push_back(likeFolded(nextCodePoint(text, i)));
    return matchesFolded(folded);
}

template <typename Text>
size_t TsqlLikePattern::nextStart(const Text& text, size_t from, size_t p) const
{
    if (p >= elements_.size() || elements_[p].kind != Element::Kind::Literal) return from;
    const char32_t literal = elements_[p].literal;
    while (from < text.size() && text[from] != literal) ++from;
    return from;
}

template <typename Text>
bool TsqlLikePattern::matchesFolded(const Text& text) const
{
    const size_t count = elements_.size();
    size_t p = 0;
    size_t t = 0;
    std::optional<size_t> lastRun;
    size_t runStart = 0;
    while (t < text.size()) {
        if (p < count && elements_[p].kind == Element::Kind::AnyRun) {
            lastRun = p++;
            runStart = t = nextStart(text, t, p);
        } else if (p < count && elements_[p].matches(text[t])) {
            ++p;
            ++t;
        } else if (lastRun) {
            p = *lastRun + 1;
            runStart = t = nextStart(text, runStart + 1, p);
        } else {
            return false;
        }
    }
    while (p < count && elements_[p].kind == Element::Kind::AnyRun) ++p;
    return p == count;
}

}  // namespace db
