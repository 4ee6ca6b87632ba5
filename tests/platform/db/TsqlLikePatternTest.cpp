#include "platform/db/TsqlLikePattern.h"

#include <gtest/gtest.h>

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
