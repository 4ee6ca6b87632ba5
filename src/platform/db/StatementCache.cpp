#include "platform/db/StatementCache.h"

#include "platform/ErrorVB.h"
#include "platform/db/Dialect.h"
#include "platform/db/tsql/SqlTokenizer.h"
#include "platform/db/tsql/TsqlTextComparison.h"
#include "platform/db/tsql/UntranslatableConstruct.h"

#include <algorithm>
#include <array>

namespace db {

namespace {

constexpr int kMaxShapes = 512;
constexpr QChar kTextOpens = u'\x02';
constexpr QChar kTextCloses = u'\x03';
const QString kNumberPrefix = QStringLiteral("9182736450");
const QString kMarker = QStringLiteral("?");

// Statements whose literals may be definitions rather than values.
bool definesObjects(const TokenList& tokens)
{
    static constexpr std::array<QStringView, 7> words{u"CREATE",  u"ALTER",   u"DROP",     u"EXEC",
                                                      u"EXECUTE", u"DECLARE", u"PROCEDURE"};
    return std::any_of(tokens.begin(), tokens.end(), [](const SqlToken& token) {
        return std::any_of(words.begin(), words.end(), [&](QStringView word) { return token.isWord(word); });
    });
}

bool isLiteral(const TokenList& tokens, int i)
{
    return i >= 0 && i < tokens.size()
           && (tokens[i].kind == SqlToken::Kind::Text || tokens[i].kind == SqlToken::Kind::Number);
}

// Compared with a column or an expression, or assigned; not one side of a
// constant such as "1 = 0", which the engine must see to plan the statement.
bool comparedOrAssigned(const TokenList& tokens, int i)
{
    const int before = tokens.previousSignificant(i);
    const int after = tokens.nextSignificant(i + 1);
    if (before >= 0 && isComparison(tokens[before])) return !isLiteral(tokens, tokens.previousSignificant(before));
    if (after < tokens.size() && isComparison(tokens[after]))
        return !isLiteral(tokens, tokens.nextSignificant(after + 1));
    return false;
}

// The "(" that holds the token at `i`, if any.
std::optional<int> enclosingParenthesis(const TokenList& tokens, int i)
{
    int depth = 0;
    for (int j = tokens.previousSignificant(i); j >= 0; j = tokens.previousSignificant(j)) {
        if (tokens[j].isSymbol(u")")) ++depth;
        if (tokens[j].isSymbol(u"(") && depth-- == 0) return j;
    }
    return std::nullopt;
}

// A literal standing alone as one item of a VALUES list, "VALUES (1, 'a')";
// not an argument of a function, whose meaning may depend on its value.
bool insertedValue(const TokenList& tokens, int i)
{
    const int before = tokens.previousSignificant(i);
    const int after = tokens.nextSignificant(i + 1);
    if (before < 0 || after >= tokens.size()) return false;
    const bool separated = tokens[before].isSymbol(u",") || tokens[before].isSymbol(u"(");
    if (!separated || (!tokens[after].isSymbol(u",") && !tokens[after].isSymbol(u")"))) return false;
    const std::optional<int> opener = enclosingParenthesis(tokens, i);
    if (!opener) return false;
    const int word = tokens.previousSignificant(*opener);
    return word >= 0 && tokens[word].isWord(u"VALUES");
}

// Text that a literal spells differently from the value bound for it.
bool hasTrailingBlank(const SqlToken& literal) { return literal.literalValue().endsWith(u' '); }

// A number that a bound value would round: more digits than a double keeps.
bool tooPrecise(const SqlToken& literal)
{
    constexpr int kDigitsADoubleKeeps = 15;
    bool whole = false;
    literal.text.toLongLong(&whole);
    if (whole) return false;
    int digits = 0;
    for (const QChar c : literal.text) digits += c.isDigit() ? 1 : 0;
    return digits > kDigitsADoubleKeeps;
}

bool bindable(const SqlToken& token)
{
    if (token.kind == SqlToken::Kind::Text) return !hasTrailingBlank(token);
    return token.kind == SqlToken::Kind::Number && !tooPrecise(token);
}

// Positions of the literals that become parameters.
QVector<int> parameterPositions(const TokenList& tokens)
{
    QVector<int> positions;
    if (definesObjects(tokens)) return positions;
    for (int i = 0; i < tokens.size(); ++i) {
        if (bindable(tokens[i]) && (comparedOrAssigned(tokens, i) || insertedValue(tokens, i))) positions.append(i);
    }
    return positions;
}

QString shapeKey(const TokenList& tokens, const QVector<int>& parameters, const QString& database)
{
    QString key = database + u'\x1F';
    int next = 0;
    for (int i = 0; i < tokens.size(); ++i) {
        if (next < parameters.size() && parameters[next] == i) {
            key += tokens[i].kind == SqlToken::Kind::Text ? QStringLiteral("\x01s") : QStringLiteral("\x01n");
            ++next;
        } else {
            key += tokens[i].text;
        }
    }
    return key;
}

// A literal of the same kind that no rewrite changes and no batch holds.
QString sentinel(const SqlToken& literal, int index)
{
    if (literal.kind == SqlToken::Kind::Number) return kNumberPrefix + QString::number(index);
    return u'\'' + QString(kTextOpens) + QString::number(index) + kTextCloses + u'\'';
}

// The index a sentinel stands for; nothing for any other token.
std::optional<int> sentinelIndex(const SqlToken& token)
{
    QString digits;
    if (token.kind == SqlToken::Kind::Number && token.text.startsWith(kNumberPrefix)) {
        digits = token.text.mid(kNumberPrefix.size());
    } else if (token.kind == SqlToken::Kind::Text && token.text.size() > 4 && token.text[1] == kTextOpens
               && token.text[token.text.size() - 2] == kTextCloses) {
        digits = token.text.mid(2, token.text.size() - 4);
    } else {
        return std::nullopt;
    }
    bool ok = false;
    const int index = digits.toInt(&ok);
    return ok ? std::optional<int>(index) : std::nullopt;
}

int sentinelTraces(const QString& text) { return text.count(kNumberPrefix) + text.count(kTextOpens); }

qsizetype markers(const QString& statement)
{
    const TokenList tokens = SqlTokenizer::tokenize(statement);
    return std::count_if(tokens.begin(), tokens.end(), [](const SqlToken& token) { return token.isSymbol(kMarker); });
}

Variant valueOf(const SqlToken& literal)
{
    if (literal.kind == SqlToken::Kind::Text) return literal.literalValue();
    bool whole = false;
    const qint64 number = literal.text.toLongLong(&whole);
    if (whole) return Variant(number);
    return literal.text.toDouble();
}

}  // namespace

QVector<BoundStatement> StatementCache::translate(const Dialect& dialect, const QString& batch, const QString& database)
{
    const auto untouched = [&] {
        QVector<BoundStatement> statements;
        for (const QString& text : dialect.translate(batch, database)) statements.append({text, {}, text});
        return statements;
    };
    if (!dialect.bindsComparedLiterals() || batch.contains(kNumberPrefix) || batch.contains(kTextOpens)) {
        return untouched();
    }
    TokenList tokens;
    try {
        tokens = SqlTokenizer::tokenize(batch);
    } catch (const ErrorVB&) {
        return untouched();
    }
    const QVector<int> parameters = parameterPositions(tokens);
    if (parameters.isEmpty()) return untouched();
    const QString key = shapeKey(tokens, parameters, database);
    auto known = shapes_.find(key);
    if (known == shapes_.end()) {
        if (shapes_.size() >= kMaxShapes) shapes_.clear();
        known = shapes_.insert(key, shapeOf(dialect, tokens, parameters, database));
    }
    if (!*known) return untouched();
    return bind(**known, tokens, parameters);
}

QString StatementCache::translateMarked(const Dialect& dialect, const QString& statement, const QString& database)
{
    const QString key = database + u'\x1F' + statement;
    if (const auto known = marked_.constFind(key); known != marked_.constEnd()) return *known;
    const QStringList translated = dialect.translate(statement, database);
    // A rewrite that split the statement or moved a marker would bind values to the wrong places.
    if (translated.size() != 1 || markers(translated.first()) != markers(statement))
        refuseConstruct(QStringLiteral("statement with bound values"));
    if (marked_.size() >= kMaxShapes) marked_.clear();
    return *marked_.insert(key, translated.first());
}

std::optional<StatementCache::Shape> StatementCache::shapeOf(const Dialect& dialect, const TokenList& tokens,
                                                             const QVector<int>& parameters, const QString& database)
{
    TokenList marked = tokens;
    for (int p = 0; p < parameters.size(); ++p) marked[parameters[p]].text = sentinel(tokens[parameters[p]], p);
    QStringList translated;
    try {
        translated = dialect.translate(marked.text(), database);
    } catch (const ErrorVB&) {
        return std::nullopt;  // the batch's own text is refused with its own words
    }
    Shape shape;
    for (const QString& statement : translated) {
        TokenList output;
        try {
            output = SqlTokenizer::tokenize(statement);
        } catch (const ErrorVB&) {
            return std::nullopt;
        }
        Template cut{{QString()}, {}, {}};
        for (const SqlToken& token : output) {
            const auto index = sentinelIndex(token);
            if (!index || *index >= parameters.size()) {
                cut.pieces.last() += token.text;
                continue;
            }
            cut.literals.append(*index);
            cut.pieces.append(QString());
        }
        // A literal a rewrite changed or split would no longer stand for its value.
        if (sentinelTraces(statement) != cut.literals.size()) return std::nullopt;
        cut.text = cut.pieces.join(kMarker);
        shape.statements.append(cut);
    }
    return shape;
}

QVector<BoundStatement> StatementCache::bind(const Shape& shape, const TokenList& tokens,
                                             const QVector<int>& parameters)
{
    QVector<BoundStatement> statements;
    for (const Template& cut : shape.statements) {
        BoundStatement statement{cut.text, {}, cut.pieces.first()};
        for (int m = 0; m < cut.literals.size(); ++m) {
            const SqlToken& literal = tokens[parameters[cut.literals[m]]];
            statement.parameters.append(valueOf(literal));
            statement.spelled += literal.text + cut.pieces[m + 1];
        }
        statements.append(statement);
    }
    return statements;
}

}  // namespace db
