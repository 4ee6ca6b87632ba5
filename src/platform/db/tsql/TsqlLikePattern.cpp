#include "platform/db/tsql/TsqlLikePattern.h"

#include "platform/db/tsql/LikeFolding.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace db {

namespace {

// Characters that mean something in a regular expression, outside a bracket and inside one.
const QString kRegexSpecial = QStringLiteral("\\^$.|?*+()[]{}");
const QString kBracketSpecial = QStringLiteral("\\^-[]");
const QString kLikeSpecial = QStringLiteral("\\%_");
// A set that holds no character matches nothing, and so does the whole pattern.
const QString kNeverMatches = QStringLiteral("(?!)");

constexpr char32_t kReplacement = 0xFFFD;

// Eight bytes read as one word: the low bit of each byte, and the high bit of each.
constexpr std::uint64_t kLowBits = 0x0101010101010101;
constexpr std::uint64_t kHighBits = 0x8080808080808080;

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
    return buffer;
}

// ASCII text folded as it is read: most texts are, and need no buffer.
struct AsciiText {
    std::string_view bytes;

    size_t size() const { return bytes.size(); }
    char32_t operator[](size_t i) const { return likeFoldedAscii(static_cast<unsigned char>(bytes[i])); }
};

// Eight bytes at a time: every row of a scan is asked this first.
bool isAscii(std::string_view text)
{
    std::uint64_t any = 0;
    size_t i = 0;
    for (; i + sizeof any <= text.size(); i += sizeof any) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + i, sizeof word);
        any |= word;
    }
    for (; i < text.size(); ++i) any |= static_cast<unsigned char>(text[i]);
    return (any & kHighBits) == 0;
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

template <typename Text>
bool occursAt(const Text& text, const std::u32string& run, size_t at)
{
    if (at + run.size() > text.size()) return false;
    for (size_t k = 0; k < run.size(); ++k) {
        if (text[at + k] != run[k]) return false;
    }
    return true;
}

// Where `run` first occurs in `text` at or after `from`; npos when it does not.
template <typename Text>
size_t find(const Text& text, const std::u32string& run, size_t from)
{
    if (text.size() < run.size()) return std::u32string::npos;
    for (size_t i = from; i <= text.size() - run.size(); ++i) {
        if (occursAt(text, run, i)) return i;
    }
    return std::u32string::npos;
}

// The same in ASCII text, eight bytes at a time. Setting a byte's case bit
// turns an upper-case letter into its lower case and never turns anything
// else into a letter, so a letter is looked for in either case at once.
size_t find(const AsciiText& text, const std::u32string& run, size_t from)
{
    constexpr unsigned char kCaseBit = 0x20;
    constexpr size_t kWord = sizeof(std::uint64_t);
    const char32_t head = run[0];
    if (text.size() < run.size() || head >= 0x80) return std::u32string::npos;
    const size_t last = text.size() - run.size();
    const unsigned char caseBit = head >= 'a' && head <= 'z' ? kCaseBit : 0;
    const std::uint64_t caseBits = kLowBits * caseBit;
    const std::uint64_t heads = kLowBits * head;
    size_t i = from;
    for (; i + kWord <= text.size() && i <= last; i += kWord) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.bytes.data() + i, kWord);
        const std::uint64_t differences = (word | caseBits) ^ heads;
        // Each byte that matches has its high bit set here. The byte after a
        // match may have it too, through the borrow; checking turns it down.
        for (std::uint64_t candidates = (differences - kLowBits) & ~differences & kHighBits; candidates != 0;
             candidates &= candidates - 1) {
            const size_t at = i + static_cast<size_t>(std::countr_zero(candidates)) / kWord;
            if (at > last) return std::u32string::npos;
            if (occursAt(text, run, at)) return at;
        }
    }
    for (; i <= last; ++i) {
        if ((static_cast<unsigned char>(text.bytes[i]) | caseBit) == head && occursAt(text, run, i)) return i;
    }
    return std::u32string::npos;
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
    pieces_ = piecesOf(elements_);
}

std::optional<TsqlLikePattern::Pieces> TsqlLikePattern::piecesOf(const std::vector<Element>& elements)
{
    Pieces pieces;
    std::u32string run;
    for (const Element& element : elements) {
        if (element.kind == Element::Kind::Literal) {
            run += element.literal;
        } else if (element.kind == Element::Kind::AnyRun) {
            if (!run.empty()) pieces.runs.push_back(std::move(run));
            run.clear();
        } else {
            return std::nullopt;
        }
    }
    if (!run.empty()) pieces.runs.push_back(std::move(run));
    pieces.anchoredStart = elements.empty() || elements.front().kind != Element::Kind::AnyRun;
    pieces.anchoredEnd = elements.empty() || elements.back().kind != Element::Kind::AnyRun;
    return pieces;
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

std::optional<char32_t> TsqlLikePattern::Element::single() const
{
    if (kind == Kind::Literal) return literal;
    if (kind == Kind::Set && !negated && ranges.size() == 1 && ranges[0].low == ranges[0].high) return ranges[0].low;
    return std::nullopt;
}

std::optional<QString> TsqlLikePattern::foldedLikePattern() const
{
    QString pattern;
    for (const Element& element : elements_) {
        if (element.kind == Element::Kind::AnyRun) {
            pattern += u'%';
        } else if (element.kind == Element::Kind::AnyOne) {
            pattern += u'_';
        } else if (const std::optional<char32_t> c = element.single()) {
            pattern += escaped(*c, kLikeSpecial);
        } else {
            return std::nullopt;
        }
    }
    return pattern;
}

int TsqlLikePattern::longestRun() const
{
    int longest = 0;
    int run = 0;
    for (const Element& element : elements_) {
        run = element.single() ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

QString TsqlLikePattern::regularExpression() const
{
    QString expression = QStringLiteral("^");
    for (const Element& element : elements_) expression += element.regularExpression();
    return expression + u'$';
}

bool TsqlLikePattern::matchesUtf8(std::string_view text) const
{
    if (isAscii(text)) return matches(AsciiText{text});
    std::vector<char32_t>& folded = foldBuffer();
    folded.resize(text.size());  // room for one character per byte, the most there can be
    size_t count = 0;
    for (size_t i = 0; i < text.size(); ++count) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            folded[count] = likeFoldedAscii(byte);
            ++i;
        } else {
            folded[count] = likeFolded(nextCodePoint(text, i));
        }
    }
    folded.resize(count);
    return matches(folded);
}

template <typename Text>
bool TsqlLikePattern::matches(const Text& text) const
{
    return pieces_ ? matchesPieces(text) : matchesFolded(text);
}

// Each run is taken where it first occurs after the one before: an earlier
// place never leaves less room for the runs that follow.
template <typename Text>
bool TsqlLikePattern::matchesPieces(const Text& text) const
{
    const std::vector<std::u32string>& runs = pieces_->runs;
    if (runs.empty()) return !pieces_->anchoredStart || text.size() == 0;
    size_t from = 0;
    size_t first = 0;
    if (pieces_->anchoredStart) {
        if (!occursAt(text, runs[0], 0)) return false;
        from = runs[0].size();
        first = 1;
    }
    const size_t floating = runs.size() - (pieces_->anchoredEnd ? 1 : 0);
    for (size_t r = first; r < floating; ++r) {
        const size_t at = find(text, runs[r], from);
        if (at == std::u32string::npos) return false;
        from = at + runs[r].size();
    }
    if (!pieces_->anchoredEnd) return true;
    const std::u32string& last = runs.back();
    if (runs.size() == 1 && pieces_->anchoredStart) return text.size() == last.size();
    return text.size() >= from + last.size() && occursAt(text, last, text.size() - last.size());
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
