#include "platform/db/tsql/TsqlLikePattern.h"

#include <algorithm>

namespace db {

namespace {

QChar folded(QChar c) { return c.toCaseFolded(); }

// Characters that mean something in a regular expression, outside a bracket and inside one.
const QString kRegexSpecial = QStringLiteral("\\^$.|?*+()[]{}");
const QString kBracketSpecial = QStringLiteral("\\^-[]");
// A set that holds no character matches nothing, and so does the whole pattern.
const QString kNeverMatches = QStringLiteral("(?!)");

QString escaped(QChar c, const QString& special) { return special.contains(c) ? QString(u'\\') + c : QString(c); }

}  // namespace

TsqlLikePattern::TsqlLikePattern(const QString& pattern, std::optional<QChar> escape)
{
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (escape && c == *escape && i + 1 < pattern.size()) {
            elements_.push_back({Element::Kind::Literal, folded(pattern[++i]), {}, false});
        } else if (c == u'%') {
            elements_.push_back({Element::Kind::AnyRun, {}, {}, false});
        } else if (c == u'_') {
            elements_.push_back({Element::Kind::AnyOne, {}, {}, false});
        } else if (c == u'[') {
            const std::optional<Element> set = readSet(pattern, i);
            elements_.push_back(set ? *set : Element{Element::Kind::Literal, c, {}, false});
        } else {
            elements_.push_back({Element::Kind::Literal, folded(c), {}, false});
        }
    }
}

std::optional<TsqlLikePattern::Element> TsqlLikePattern::readSet(const QString& pattern, int& i)
{
    const int close = pattern.indexOf(u']', i + 1);
    if (close < 0) return std::nullopt;
    Element set{Element::Kind::Set, {}, {}, false};
    int j = i + 1;
    if (j < close && pattern[j] == u'^') {
        set.negated = true;
        ++j;
    }
    for (; j < close; ++j) {
        const bool range = j + 2 < close && pattern[j + 1] == u'-';
        const QChar low = folded(pattern[j]);
        const QChar high = range ? folded(pattern[j + 2]) : low;
        set.ranges.push_back({low, high});
        if (range) j += 2;
    }
    i = close;
    return set;
}

bool TsqlLikePattern::Element::matches(QChar c) const
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
    case Kind::Literal: return escaped(literal, kRegexSpecial);
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

// Greedy match that backtracks to the last % when the rest fails.
bool TsqlLikePattern::matches(const QString& text) const
{
    const size_t count = elements_.size();
    size_t p = 0;
    int t = 0;
    std::optional<size_t> lastRun;
    int runStart = 0;
    while (t < text.size()) {
        if (p < count && elements_[p].kind == Element::Kind::AnyRun) {
            lastRun = p++;
            runStart = t;
        } else if (p < count && elements_[p].matches(folded(text[t]))) {
            ++p;
            ++t;
        } else if (lastRun) {
            p = *lastRun + 1;
            t = ++runStart;
        } else {
            return false;
        }
    }
    while (p < count && elements_[p].kind == Element::Kind::AnyRun) ++p;
    return p == count;
}

}  // namespace db
