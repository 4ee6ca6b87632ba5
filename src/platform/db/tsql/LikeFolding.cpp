#include "platform/db/tsql/LikeFolding.h"

#include <algorithm>
#include <array>

namespace db {

namespace {

// Accents are taken off the accented Latin letters of Latin-1 and Latin
// Extended-A only: they hold every letter of the suite's Windows-1252 texts,
// and keep the regular expressions for PostgreSQL short.
constexpr char32_t kAccentedFirst = 0xC0;
constexpr char32_t kAccentedLimit = 0x180;
constexpr char32_t kTableSize = 0x10000;

char16_t withoutAccent(char16_t c)
{
    if (c == u'ñ') return c;
    QChar letter(c);
    while (letter.decompositionTag() == QChar::Canonical) letter = letter.decomposition().at(0);
    return letter.unicode();
}

char16_t fold(char16_t c)
{
    const char16_t lower = QChar(c).toCaseFolded().unicode();
    if (lower < kAccentedFirst || lower >= kAccentedLimit) return lower;
    // The letter under the accent may be a capital: "İ" has no lower case of its own, its "I" has.
    return QChar(withoutAccent(lower)).toCaseFolded().unicode();
}

using FoldTable = std::array<char16_t, kTableSize>;

const FoldTable& foldTable()
{
    static const FoldTable table = [] {
        FoldTable t{};
        for (char32_t c = 0; c < kTableSize; ++c) t[c] = fold(static_cast<char16_t>(c));
        return t;
    }();
    return table;
}

}  // namespace

char32_t likeFolded(char32_t c) { return c < kTableSize ? foldTable()[c] : c; }

QString likeFoldedText(QStringView text)
{
    // Letters outside the first plane fold to themselves, so each half of a
    // surrogate pair can be taken alone.
    QString folded(text.size(), Qt::Uninitialized);
    std::ranges::transform(text, folded.begin(), [](QChar c) { return QChar(foldTable()[c.unicode()]); });
    return folded;
}

QString likeVariants(char32_t folded)
{
    QString variants = QString::fromUcs4(&folded, 1);
    for (char32_t c = kAccentedFirst; c < kAccentedLimit; ++c) {
        const QChar variant(static_cast<char16_t>(c));
        if (c != folded && likeFolded(c) == folded && variant.toCaseFolded() == variant) variants += variant;
    }
    return variants;
}

}  // namespace db
