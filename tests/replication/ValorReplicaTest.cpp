#include "replication/ValorReplica.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

const db::ColumnType kTexto{db::ado::adVarChar, 25};
const db::ColumnType kNumerico{db::ado::adNumeric, 19};
const db::ColumnType kEntero{db::ado::adInteger, 4};
const db::ColumnType kBit{db::ado::adBoolean, 2};
const db::ColumnType kFecha{db::ado::adDBTimeStamp, 16};

}  // namespace

TEST(ValorReplica, NullStaysNullWhateverTheColumn)
{
    for (const db::ColumnType& tipo : {kTexto, kNumerico, kEntero, kBit, kFecha})
        EXPECT_EQ(ValorReplica(Variant::null(), tipo), "NULL") << tipo.adoType;
}

TEST(ValorReplica, ATextIsQuotedWithItsQuotesDoubledAndTheWordNullStaysAText)
{
    EXPECT_EQ(ValorReplica("O'1", kTexto), "'O''1'");
    EXPECT_EQ(ValorReplica("null", kTexto), "'null'");
    EXPECT_EQ(ValorReplica("", kTexto), "''");
}

TEST(ValorReplica, NumbersGoAtFullPrecisionWithAPointAndNoExponent)
{
    EXPECT_EQ(ValorReplica(0.333333, kNumerico), "0.333333");
    EXPECT_EQ(ValorReplica(1234567.123456, kNumerico), "1234567.123456");
    EXPECT_EQ(ValorReplica(1e20, kNumerico), "100000000000000000000");
    EXPECT_EQ(ValorReplica(qint64(9007199254740993), kEntero), "9007199254740993");
    EXPECT_EQ(ValorReplica("1,5", kNumerico), "1.5");
}

TEST(ValorReplica, AValueThatIsNotOfItsColumnsTypeGoesAsTextForTheTargetToRefuse)
{
    EXPECT_EQ(ValorReplica("doce", kNumerico), "'doce'");
    EXPECT_EQ(ValorReplica("ayer", kFecha), "'ayer'");
}

TEST(ValorReplica, BooleansAreOneOrZeroAndDatesIso)
{
    EXPECT_EQ(ValorReplica(true, kBit), "1");
    EXPECT_EQ(ValorReplica(qint64(0), kBit), "0");
    EXPECT_EQ(ValorReplica("S", kBit), "1");
    EXPECT_EQ(ValorReplica("NO", kBit), "0");
    EXPECT_EQ(ValorReplica("", kBit), "0");
    EXPECT_EQ(ValorReplica(QDateTime(QDate(2025, 12, 31), QTime(23, 5, 9)), kFecha), "'2025-12-31T23:05:09'");
}

TEST(MismoValor, NullEqualsOnlyNull)
{
    EXPECT_TRUE(MismoValor(Variant::null(), Variant::null(), kTexto));
    EXPECT_FALSE(MismoValor(Variant::null(), "", kTexto));
    EXPECT_FALSE(MismoValor(qint64(0), Variant::null(), kNumerico));
}

TEST(MismoValor, TextsIgnoreCaseAndNumbersCompareByValue)
{
    EXPECT_TRUE(MismoValor("Caja", "CAJA", kTexto));
    EXPECT_FALSE(MismoValor("Caja", "Caja ", kTexto));
    EXPECT_TRUE(MismoValor(0.333333, "0.333333", kNumerico));
    EXPECT_FALSE(MismoValor(0.333333, 0.333334, kNumerico));
    EXPECT_TRUE(MismoValor(true, qint64(1), kBit));
    EXPECT_TRUE(MismoValor(QDateTime(QDate(2025, 1, 2), QTime(3, 4)), "2025-01-02 03:04:00", kFecha));
}
