#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace db {

// A LIKE pattern read the T-SQL way: % any run of characters, _ any one
// character, [abc] or [a-z] one of a set, [^...] one outside it, and an optional
// escape character that makes the next one literal. Letters match without
// regard to case, as under the suite's case-insensitive collation.
class TsqlLikePattern {
public:
    explicit TsqlLikePattern(const QString& pattern, std::optional<QChar> escape = std::nullopt);

    bool matches(const QString& text) const;
    // The same match as an anchored regular expression of PostgreSQL's
    // (advanced) kind, letters in lower case, for a case-insensitive operator.
    QString regularExpression() const;

private:
    struct Range {
        QChar low;
        QChar high;
    };
    struct Element {
        enum class Kind { AnyRun, AnyOne, Literal, Set } kind = Kind::Literal;
        QChar literal;
        std::vector<Range> ranges;  // a single character is a range of one
        bool negated = false;

        bool matches(QChar folded) const;
        QString regularExpression() const;
    };

    // Reads the set that starts at pattern[i] ("["); nullopt when it is never closed.
    static std::optional<Element> readSet(const QString& pattern, int& i);

    std::vector<Element> elements_;
};

}  // namespace db
