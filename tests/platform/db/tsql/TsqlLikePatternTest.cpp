#include "platform/db/tsql/TsqlLikePattern.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <optional>

using db::TsqlLikePattern;

namespace {

bool like(const QString& text, const QString& pattern)
{
    return TsqlLikePattern(pattern).matchesUtf8(text.toUtf8().toStdString());
}

}  // namespace

TEST(TsqlLikePattern, PercentAndUnderscoreAreWildcards)
{
    EXPECT_TRUE(like("abc", "a%"));
    EXPECT_TRUE(like("abc", "%"));
    EXPECT_TRUE(like("", "%"));
    EXPECT_TRUE(like("abc", "a_c"));
    EXPECT_FALSE(like("ac", "a_c"));
    EXPECT_TRUE(like("axbxc", "a%b%c"));
    EXPECT_TRUE(like("abcbc", "%bc"));
    EXPECT_FALSE(like("abcb", "%bc"));
    EXPECT_FALSE(like("abc", ""));
}

TEST(TsqlLikePattern, RunsBetweenPercentsAreFoundAnywhereAndNeverOverlap)
{
    EXPECT_TRUE(like("TORNILLO AUTOPERFORANTE 8 X 1/2 GALV", "%perforante%galv%"));
    EXPECT_TRUE(like(QString(40, u'x') + "A", "%a"));
    EXPECT_TRUE(like(QString(40, u'a') + "b", "%ab%"));
    EXPECT_TRUE(like("a`a`a`a`a`a`a`a`X", "%A`x%"));
    EXPECT_TRUE(like("12345678901234567890", "%8901%"));
    EXPECT_FALSE(like("12345678901234567890", "%0000%"));
    EXPECT_FALSE(like("ababa", "%aba%aba%"));
    EXPECT_TRUE(like("abaaba", "%aba%aba%"));
    EXPECT_FALSE(like("aba", "ab%ba"));
    EXPECT_TRUE(like("abba", "ab%ba"));
    EXPECT_TRUE(like("Azúcar refinada 1 kg", "%AZUCAR%KG"));
}

TEST(TsqlLikePattern, LettersMatchInEitherCaseAndWithOrWithoutAccents)
{
    EXPECT_TRUE(like("ÑANDÚ", "ñandú"));
    EXPECT_TRUE(like("Equivalencias.exe", "%EQUIV%"));
    EXPECT_FALSE(like("abc", "abd"));
    EXPECT_TRUE(like("CAMIÓN GRÚA", "%camion grua%"));
    EXPECT_TRUE(like("camion", "CAMIÓN"));
    EXPECT_TRUE(like("Pingüino", "pinguino"));
    EXPECT_TRUE(like("é", "[a-f]"));
    EXPECT_FALSE(like("año", "ano")) << "the ñ is a letter of its own";
    EXPECT_TRUE(like("AÑO", "año"));
    EXPECT_TRUE(like("İZMİR", "izmir")) << "a capital with no lower case of its own";
}

TEST(TsqlLikePattern, Utf8TextMatchesAsItsCharacters)
{
    const TsqlLikePattern pattern("a_c%");
    EXPECT_TRUE(pattern.matchesUtf8("añc"));
    EXPECT_TRUE(pattern.matchesUtf8("A€C y más"));
    EXPECT_FALSE(pattern.matchesUtf8("ac"));
    EXPECT_TRUE(TsqlLikePattern("%MAS").matchesUtf8("y más"));
    EXPECT_TRUE(pattern.matchesUtf8("a\xFF" "c")) << "a malformed byte is one character";
    EXPECT_FALSE(TsqlLikePattern("_").matchesUtf8("\xE2\x82")) << "a cut sequence is one character per byte";
}

TEST(TsqlLikePattern, BracketsHoldSetsRangesAndNegations)
{
    EXPECT_TRUE(like("b1", "[abc]1"));
    EXPECT_FALSE(like("d1", "[abc]1"));
    EXPECT_TRUE(like("Q", "[a-z]"));
    EXPECT_TRUE(like("7", "[0-9]"));
    EXPECT_TRUE(like("x", "[^0-9]"));
    EXPECT_FALSE(like("7", "[^0-9]"));
    EXPECT_TRUE(like("a-", "a[-]"));
}

TEST(TsqlLikePattern, BracketsAndEscapeMakeWildcardsLiteral)
{
    EXPECT_TRUE(like("50%", "50[%]"));
    EXPECT_FALSE(like("500", "50[%]"));
    EXPECT_TRUE(like("a_b", "a[_]b"));
    EXPECT_FALSE(like("axb", "a[_]b"));
    EXPECT_TRUE(like("[x", "[x"));
    EXPECT_TRUE(TsqlLikePattern("10#%", u'#').matchesUtf8("10%"));
    EXPECT_FALSE(TsqlLikePattern("10#%", u'#').matchesUtf8("100"));
}

namespace {

QString regex(const QString& pattern, std::optional<QChar> escape = std::nullopt)
{
    return TsqlLikePattern(pattern, escape).regularExpression();
}

}  // namespace

TEST(TsqlLikePattern, AsARegularExpressionWildcardsBecomeDotsAndItIsAnchored)
{
    EXPECT_EQ(regex("%vxm%").toStdString(), "^.*vxm.*$");
    EXPECT_EQ(regex("B_1").toStdString(), "^b.1$");
    EXPECT_EQ(regex("").toStdString(), "^$");
}

TEST(TsqlLikePattern, AsARegularExpressionALetterTakesItsAccentedFormsButTheEnyeStaysItself)
{
    EXPECT_EQ(regex("PÍÑA%"), QString::fromUtf8("^p[iìíîïĩīĭįİ]ñ[aàáâãäåāăą].*$"));
}

TEST(TsqlLikePattern, AsARegularExpressionSetsStayAndOtherSymbolsAreLiteral)
{
    EXPECT_EQ(regex("%[a-zA-Z]%").toStdString(), "^.*[a-za-z].*$");
    EXPECT_EQ(regex("[^0-9]x").toStdString(), "^[^0-9]x$");
    EXPECT_EQ(regex("m[-]b[\\]]").toStdString(), "^m[\\-]b[\\\\]\\]$");
    EXPECT_EQ(regex("50[%]").toStdString(), "^50[%]$");
    EXPECT_EQ(regex("P:\\Q.(1)+$^|?*{2}").toStdString(), "^p:\\\\q\\.\\(1\\)\\+\\$\\^\\|\\?\\*\\{2\\}$");
    EXPECT_EQ(regex("[x").toStdString(), "^\\[x$");
    EXPECT_EQ(regex("10#%", u'#').toStdString(), "^10%$");
}

TEST(TsqlLikePattern, AsARegularExpressionASetOfNothingNeverMatches)
{
    EXPECT_EQ(regex("b[]").toStdString(), "^b(?!)$");
    EXPECT_EQ(regex("b[z-b]").toStdString(), "^b(?!)$");
    EXPECT_EQ(regex("b[^]").toStdString(), "^b.$");
}

namespace {

std::optional<QString> folded(const QString& pattern, std::optional<QChar> escape = std::nullopt)
{
    return TsqlLikePattern(pattern, escape).foldedLikePattern();
}

}  // namespace

TEST(TsqlLikePattern, AsAFoldedLikePatternLettersAreFoldedAndWhatStandsForItselfIsEscaped)
{
    EXPECT_EQ(folded("%CAMIÓN_Año%"), QString::fromUtf8("%camion_año%"));
    EXPECT_EQ(folded("50[%] [_]x[Á]\\"), "50\\% \\_xa\\\\");
    EXPECT_EQ(folded("10#%#_", u'#'), "10\\%\\_");
    EXPECT_EQ(folded("O'Neill"), "o'neill");
}

TEST(TsqlLikePattern, AsAFoldedLikePatternASetOfSeveralCharactersCannotBeSaid)
{
    EXPECT_FALSE(folded("%[a-z]%"));
    EXPECT_FALSE(folded("[ab]"));
    EXPECT_FALSE(folded("[^a]"));
    EXPECT_FALSE(folded("b[]"));
}

TEST(TsqlLikePattern, TheLongestRunCountsWhatStandsForOneCharacterEach)
{
    EXPECT_EQ(TsqlLikePattern("%ab%cde_f%").longestRun(), 3);
    EXPECT_EQ(TsqlLikePattern("a[_]b[c-d]e").longestRun(), 3);
    EXPECT_EQ(TsqlLikePattern("%").longestRun(), 0);
}
