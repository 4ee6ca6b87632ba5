#pragma once

#include <QString>
#include <QStringView>

namespace db {

// One lexical piece of a T-SQL text. Concatenating the texts of a statement's
// tokens gives the statement back exactly, so rewrites touch only what they mean to.
struct SqlToken {
    enum class Kind {
        Space,  // blanks, tabs, line breaks, and comments (kept as one blank)
        Word,   // keyword or bare name
        Number,
        Text,        // '...' literal, quotes included
        QuotedName,  // [name] or "name"
        Variable,    // @name or @@name
        Symbol,      // operator or punctuation
    };

    Kind kind = Kind::Symbol;
    QString text;

    static SqlToken blank() { return {Kind::Space, QStringLiteral(" ")}; }
    static SqlToken word(const QString& text) { return {Kind::Word, text}; }
    static SqlToken symbol(const QString& text) { return {Kind::Symbol, text}; }
    // A string literal holding `value`.
    static SqlToken literal(const QString& value)
    {
        return {Kind::Text, u'\'' + QString(value).replace(u'\'', QStringLiteral("''")) + u'\''};
    }

    // What a string literal holds: without its quotes, doubled quotes single.
    QString literalValue() const
    {
        return text.mid(1, text.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
    }

    bool isSpace() const { return kind == Kind::Space; }
    bool isWord(QStringView word) const { return kind == Kind::Word && text.compare(word, Qt::CaseInsensitive) == 0; }
    bool isSymbol(QStringView symbol) const { return kind == Kind::Symbol && text == symbol; }
    bool isName() const { return kind == Kind::Word || kind == Kind::QuotedName; }
    // Kinds that would run into each other without a blank between them.
    bool isWordLike() const { return kind != Kind::Space && kind != Kind::Symbol; }
    bool hasLineBreak() const { return isSpace() && (text.contains(u'\n') || text.contains(u'\r')); }
};

}  // namespace db
