#pragma once

#include <QString>

namespace db {

// How LIKE compares letters: without regard to case or accents, so that
// "camion" finds "CAMIÓN" and "pinguino" finds "Pingüino". The ñ stays a
// letter of its own, as in Spanish ("año" is not "ano").
char32_t likeFolded(char32_t c);

// The same for an ASCII character, without a call: a scan folds every byte.
inline char32_t likeFoldedAscii(unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

// A whole text folded character by character.
QString likeFoldedText(QStringView text);

// Every lower-case character that folds to `folded`, itself first: what a
// case-insensitive regular expression must accept where the pattern holds that letter.
QString likeVariants(char32_t folded);

}  // namespace db
