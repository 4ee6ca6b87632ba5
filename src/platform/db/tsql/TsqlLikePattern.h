#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace db {

// A LIKE pattern read the T-SQL way: % any run of characters, _ any one
// character, [abc] or [a-z] one of a set, [^...] one outside it, and an optional
// escape character that makes the next one literal. Letters match without
// regard to case or accents (see LikeFolding).
class TsqlLikePattern {
public:
    explicit TsqlLikePattern(const QString& pattern, std::optional<QChar> escape = std::nullopt);

    // Whether UTF-8 `text` matches, read in place: a scan calls this once per row.
    bool matchesUtf8(std::string_view text) const;
    // The same match as an anchored regular expression of PostgreSQL's
    // (advanced) kind, letters in lower case, for a case-insensitive operator.
    QString regularExpression() const;
    // The same match as a LIKE pattern of PostgreSQL over folded text: letters
    // folded, and "%", "_" and "\" that stand for themselves escaped by "\".
    // Nothing when the pattern holds a set of more than one character, which
    // LIKE cannot say.
    std::optional<QString> foldedLikePattern() const;
    // The most characters in a row that stand for one character each, as a
    // trigram index looks them up.
    int longestRun() const;

private:
    struct Range {
        char32_t low;
        char32_t high;
    };
    struct Element {
        enum class Kind { AnyRun, AnyOne, Literal, Set } kind = Kind::Literal;
        char32_t literal = 0;
        std::vector<Range> ranges;  // a single character is a range of one
        bool negated = false;

        bool matches(char32_t folded) const;
        QString regularExpression() const;
        // The one character, folded, that a literal or a set of one stands for.
        std::optional<char32_t> single() const;
    };

    // A pattern of only % and plain characters, as the program's searches are:
    // the folded runs of characters between the %s, each found in turn.
    struct Pieces {
        std::vector<std::u32string> runs;
        bool anchoredStart = false;  // no % before the first run
        bool anchoredEnd = false;    // no % after the last run
    };

    static std::optional<Pieces> piecesOf(const std::vector<Element>& elements);
    // Reads the set that starts at pattern[i] ("["); nullopt when it is never closed.
    static std::optional<Element> readSet(const std::u32string& pattern, size_t& i);
    // Greedy match of folded text that backtracks to the last % when the rest
    // fails. Text is anything indexed that gives folded characters.
    template <typename Text>
    bool matchesFolded(const Text& text) const;
    // Where the element `p`, which follows a %, can first match from `from` on.
    template <typename Text>
    size_t nextStart(const Text& text, size_t from, size_t p) const;

    template <typename Text>
    bool matchesPieces(const Text& text) const;
    template <typename Text>
    bool matches(const Text& text) const;

    std::vector<Element> elements_;
    std::optional<Pieces> pieces_;
};

}  // namespace db
