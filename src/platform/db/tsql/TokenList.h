#pragma once

#include "platform/db/tsql/SqlToken.h"

#include <initializer_list>
#include <vector>

namespace db {

// The tokens of one statement (or of a piece of one), with the navigation the
// rewrites need. Positions are 0-based indexes into the list.
class TokenList {
public:
    TokenList() = default;
    TokenList(std::initializer_list<SqlToken> tokens) : tokens_(tokens) {}
    explicit TokenList(std::vector<SqlToken> tokens) : tokens_(std::move(tokens)) {}

    int size() const { return static_cast<int>(tokens_.size()); }
    const SqlToken& operator[](int i) const { return tokens_[static_cast<size_t>(i)]; }
    SqlToken& operator[](int i) { return tokens_[static_cast<size_t>(i)]; }
    auto begin() const { return tokens_.begin(); }
    auto end() const { return tokens_.end(); }

    // True when the list holds nothing but blank space.
    bool isBlank() const { return nextSignificant(0) == size(); }

    // First position at or after `from` that is not blank space; size() when none.
    int nextSignificant(int from) const;
    // Last position before `before` that is not blank space; -1 when none.
    int previousSignificant(int before) const;
    // Position of the ")" closing the "(" at `open`; refuses unbalanced text.
    int closingParenthesis(int open) const;
    // Position of the "(" opened by the ")" at `close`; refuses unbalanced text.
    int openingParenthesis(int close) const;
    // Whether the significant token at or after `from` is the word `word`.
    bool wordFollows(int from, QStringView word) const;

    TokenList slice(int first, int last) const;
    TokenList trimmed() const;
    QString text() const;

    void append(const SqlToken& token) { tokens_.push_back(token); }
    void append(const TokenList& tokens);
    // Replaces positions [first, last) with `tokens`. Words that would touch
    // because of it get a blank between them.
    void replace(int first, int last, const TokenList& tokens);
    void insert(int at, const TokenList& tokens) { replace(at, at, tokens); }
    void erase(int first, int last) { replace(first, last, {}); }

private:
    void keepApart(int left);

    std::vector<SqlToken> tokens_;
};

}  // namespace db
