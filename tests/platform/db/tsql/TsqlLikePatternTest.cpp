#include "platform/db/tsql/TsqlLikePattern.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <optional>

using db::TsqlLikePattern;

namespace {

bool like(const QString& text, const QString& pattern) { return TsqlLikePattern(pattern).matches(text); }

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

TEST(TsqlLikePattern, LettersMatchInEitherCase)
{
    EXPECT_TRUE(like("ÑANDÚ", "ñandú"));
    EXPECT_TRUE(like("Equivalencias.exe", "%EQUIV%"));
    EXPECT_FALSE(like("abc", "abd"));
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
    EXPECT_TRUE(TsqlLikePattern("10#%", u'#').matches("10%"));
    EXPECT_FALSE(TsqlLikePattern("10#%", u'#').matches("100"));
}

namespace {

QString regex(const QString& pattern, std::optional<QChar> escape = std::nullopt)
{
    return TsqlLikePattern(pattern, escape).regularExpression();
}

}  // namespace

TEST(TsqlLikePattern, AsARegularExpressionWildcardsBecomeDotsAndItIsAnchored)
{
    EXPECT_EQ(regex("%tor%").toStdString(), "^.*tor.*$");
    EXPECT_EQ(regex("A_1").toStdString(), "^a.1$");
    EXPECT_EQ(regex("").toStdString(), "^$");
    EXPECT_EQ(regex("PIÑA%"), QString::fromUtf8("^piña.*$"));
}

TEST(TsqlLikePattern, AsARegularExpressionSetsStayAndOtherSymbolsAreLiteral)
{
    EXPECT_EQ(regex("%[a-zA-Z]%").toStdString(), "^.*[a-za-z].*$");
    EXPECT_EQ(regex("[^0-9]x").toStdString(), "^[^0-9]x$");
    EXPECT_EQ(regex("a[-]b[\\]]").toStdString(), "^a[\\-]b[\\\\]\\]$");
    EXPECT_EQ(regex("50[%]").toStdString(), "^50[%]$");
    EXPECT_EQ(regex("C:\\Q.(1)+$^|?*{2}").toStdString(), "^c:\\\\q\\.\\(1\\)\\+\\$\\^\\|\\?\\*\\{2\\}$");
    EXPECT_EQ(regex("[x").toStdString(), "^\\[x$");
    EXPECT_EQ(regex("10#%", u'#').toStdString(), "^10%$");
}

TEST(TsqlLikePattern, AsARegularExpressionASetOfNothingNeverMatches)
{
    EXPECT_EQ(regex("a[]").toStdString(), "^a(?!)$");
    EXPECT_EQ(regex("a[z-b]").toStdString(), "^a(?!)$");
    EXPECT_EQ(regex("a[^]").toStdString(), "^a.$");
}
