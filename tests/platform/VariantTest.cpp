#include "platform/ErrorVB.h"
#include "platform/Variant.h"

#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

TEST(Variant, NullCannotBeTextButReadsAsEmptyWhereAllowed)
{
    const Variant nulo = Variant::null();
    EXPECT_TRUE(nulo.isNull());
    EXPECT_FALSE(nulo.isEmpty());
    EXPECT_EQ(errorNumber([&] { (void)nulo.toText(); }), 94);
    EXPECT_EQ(errorNumber([&] { (void)nulo.toDouble(); }), 94);
    EXPECT_EQ(nulo.textOrEmpty(), "");
    EXPECT_EQ(Variant().toText(), "");
    EXPECT_TRUE(Variant().isEmpty());
}

TEST(Variant, ConvertsBetweenNumbersAndTexts)
{
    EXPECT_EQ(Variant(2.5).toText(), "2.5");
    EXPECT_EQ(Variant(qint64(7)).toText(), "7");
    EXPECT_DOUBLE_EQ(Variant("1,5").toDouble(), 1.5);
    EXPECT_EQ(errorNumber([] { (void)Variant("abc").toDouble(); }), 13);
    EXPECT_EQ(Variant(2.5).toLong(), 2);
    EXPECT_EQ(Variant(3.5).toLong(), 4);
    EXPECT_TRUE(Variant("1").toBool());
    EXPECT_TRUE(Variant("True").toBool());
    EXPECT_FALSE(Variant(0).toBool());
}

TEST(Variant, DatesTravelAsDayFirstText)
{
    const QDateTime momento(QDate(2025, 12, 31), QTime(8, 5, 0));
    EXPECT_EQ(Variant(momento).toText(), "31/12/2025 08:05:00");
    EXPECT_EQ(Variant("31/12/2025 08:05:00").toDateTime(), momento);
    EXPECT_EQ(errorNumber([] { (void)Variant("no es fecha").toDateTime(); }), 13);
}
