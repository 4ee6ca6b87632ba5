#include "platform/ErrorVB.h"
#include "platform/VbText.h"

#include <gtest/gtest.h>

using namespace vb;

TEST(VbText, TrimRemovesBlanksOnlyAtBothEnds)
{
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(LTrim("  a "), "a ");
    EXPECT_EQ(RTrim(" a  "), " a");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(Trim("    "), "");
    EXPECT_TRUE(IsBlank("   "));
    EXPECT_FALSE(IsBlank(" x "));
}

TEST(VbText, PositionsAreOneBased)
{
    EXPECT_EQ(Mid("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Mid("abcdef", 4), "def");
    EXPECT_EQ(Mid("abc", 10), "");
    EXPECT_EQ(Left("abc", 5), "abc");
    EXPECT_EQ(Right("abc", 2), "bc");
    EXPECT_EQ(InStr("abcabc", "c"), 3);
    EXPECT_EQ(InStr("abcabc", "c", 4), 6);
    EXPECT_EQ(InStr("abc", "x"), 0);
    EXPECT_EQ(InStr("abc", "B"), 0);
    EXPECT_EQ(InStrText("abc", "B"), 2);
    EXPECT_EQ(InStr("abc", "a", 5), 0);
    EXPECT_EQ(InStrRev("a/b/c", "/"), 4);
}

TEST(VbText, ImpossiblePositionsRaiseError5)
{
    EXPECT_THROW(Mid("abc", 0), ErrorVB);
    EXPECT_THROW(Mid("abc", 1, -1), ErrorVB);
    EXPECT_THROW(Left("abc", -1), ErrorVB);
    try {
        InStr("abc", "a", 0);
        FAIL();
    } catch (const ErrorVB& e) {
        EXPECT_EQ(e.numero, 5);
    }
}

TEST(VbText, ReplaceWithOrWithoutCase)
{
    EXPECT_EQ(Replace("a=b=c", "=", ""), "abc");
    EXPECT_EQ(Replace("Admin @admin_", "@Admin_", ""), "Admin @admin_");
    EXPECT_EQ(ReplaceText("x @admin_T @ADMIN_U", "@Admin_", ""), "x T U");
    EXPECT_EQ(Replace("abc", "", "z"), "abc");
    EXPECT_TRUE(SameText("Idunidad", "IDUNIDAD"));
    EXPECT_TRUE(ContainsText("Provider=OraOLEDB", "oracle") == false);
    EXPECT_TRUE(ContainsText("Provider=OraOLEDB.Oracle.1", "ORACLE"));
}

TEST(VbText, ValReadsTheLeadingNumber)
{
    EXPECT_DOUBLE_EQ(Val("12abc"), 12);
    EXPECT_DOUBLE_EQ(Val("  -1.5e2x"), -150);
    EXPECT_DOUBLE_EQ(Val("1,5"), 1);
    EXPECT_DOUBLE_EQ(Val("1.0"), 1);
    EXPECT_DOUBLE_EQ(Val(".5"), 0.5);
    EXPECT_DOUBLE_EQ(Val(" 1 2"), 12);
    EXPECT_DOUBLE_EQ(Val("abc"), 0);
    EXPECT_DOUBLE_EQ(Val(""), 0);
    EXPECT_DOUBLE_EQ(Val("-"), 0);
    EXPECT_DOUBLE_EQ(Val("3e"), 3);
}

TEST(VbText, ParseNumberTakesEitherDecimalSeparator)
{
    EXPECT_EQ(ParseNumber("1,5"), 1.5);
    EXPECT_EQ(ParseNumber("1.5"), 1.5);
    EXPECT_EQ(ParseNumber(" -2 "), -2);
    EXPECT_EQ(ParseNumber("1.234,56"), 1234.56);
    EXPECT_EQ(ParseNumber("1,234.56"), 1234.56);
    EXPECT_EQ(ParseNumber("1.234.567"), 1234567);
    EXPECT_EQ(ParseNumber(",25"), 0.25);
    EXPECT_EQ(ParseNumber("7."), 7);
    EXPECT_FALSE(ParseNumber("abc"));
    EXPECT_FALSE(ParseNumber("1.2.3"));
    EXPECT_FALSE(ParseNumber("12abc"));
    EXPECT_FALSE(ParseNumber(""));
    EXPECT_FALSE(ParseNumber("."));
    EXPECT_FALSE(ParseNumber("1e5"));
}

TEST(VbText, NumberTextIsShortWithDecimalPoint)
{
    EXPECT_EQ(NumberText(1.0), "1");
    EXPECT_EQ(NumberText(-2.5), "-2.5");
    EXPECT_EQ(NumberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(NumberText(1e20), "1E+20");
}

TEST(VbText, DatesAreReadDayFirstOrIso)
{
    EXPECT_EQ(ParseDate("31/12/2025"), QDateTime(QDate(2025, 12, 31), QTime(0, 0)));
    EXPECT_EQ(ParseDate("1/2/25 10:30"), QDateTime(QDate(2025, 2, 1), QTime(10, 30)));
    EXPECT_EQ(ParseDate("01/01/45")->date().year(), 1945);
    EXPECT_EQ(ParseDate("2025-12-31 23:59:58"), QDateTime(QDate(2025, 12, 31), QTime(23, 59, 58)));
    EXPECT_FALSE(IsDate("32/01/2025"));
    EXPECT_FALSE(IsDate("abc"));
    EXPECT_FALSE(IsDate(""));
    EXPECT_EQ(DateText(QDateTime(QDate(2025, 3, 4), QTime(0, 0))), "04/03/2025");
    EXPECT_EQ(DateText(QDateTime(QDate(2025, 3, 4), QTime(5, 6, 7))), "04/03/2025 05:06:07");
}
