#include "services/cStringBuilder.h"
#include "support/ErrorNumber.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr long kFueraDeIntervalo = ErroresVB::SubindiceFueraDeIntervalo;
constexpr qint32 kMaximo32 = std::numeric_limits<qint32>::max();

cStringBuilder Con(const QString& texto)
{
    cStringBuilder sb;
    sb.setTheString(texto);
    return sb;
}

}  // namespace

TEST(cStringBuilderTest, ANewObjectIsEmptyAndGrowsByTheFewestWholeChunks)
{
    cStringBuilder sb;
    EXPECT_EQ(sb.Capacity(), 0);
    EXPECT_EQ(sb.ChunkSize(), 8192);
    EXPECT_EQ(sb.toString(), "");
    sb.Append("abc");
    sb.AppendByVal("");
    EXPECT_EQ(sb.Length(), 3);
    EXPECT_EQ(sb.Capacity(), 8192);

    cStringBuilder grande;
    grande.Append(QString(8193, u'x'));
    EXPECT_EQ(grande.Capacity(), 16384);

    cStringBuilder pequeno;
    pequeno.setChunkSize(4);
    pequeno.AppendNL("abc");
    EXPECT_EQ(pequeno.Capacity(), 8);
    EXPECT_EQ(pequeno.toString(), "abc\r\n");
}

TEST(cStringBuilderTest, TheStringKeepsTheCapacityAndOnlyEmptyingReleasesIt)
{
    cStringBuilder sb = Con(QString(20000, u'a'));
    EXPECT_EQ(sb.Capacity(), 24576);
    sb.setTheString("ab");
    EXPECT_EQ(sb.Capacity(), 24576);
    EXPECT_EQ(sb.toString(), "ab");
    sb.setTheString("");
    EXPECT_EQ(sb.Capacity(), 0);
    sb.setChunkSize(100);
    sb.Append("texto");
    sb.Clear();
    EXPECT_EQ(sb.Length(), 0);
    EXPECT_EQ(sb.Capacity(), 0);
    EXPECT_EQ(sb.ChunkSize(), 100);
}

TEST(cStringBuilderTest, InsertGoesBeforeAPositionAndOutsideTheTextFailsWithError9)
{
    cStringBuilder sb = Con("adef");
    sb.Insert(1, "bc");
    sb.InsertByVal(0, ">");
    sb.Insert(sb.Length(), "<");
    EXPECT_EQ(sb.toString(), ">abcdef<");
    EXPECT_EQ(errorNumber([&] { sb.Insert(sb.Length() + 1, "x"); }), kFueraDeIntervalo);
    EXPECT_EQ(errorNumber([&] { sb.Insert(-1, "x"); }), kFueraDeIntervalo);
    EXPECT_EQ(sb.toString(), ">abcdef<");
}

TEST(cStringBuilderTest, RemoveOutsideTheTextNegativeOrOverflowingFailsWithError9)
{
    cStringBuilder sb = Con("abcdef");
    sb.Remove(1, 2);
    EXPECT_EQ(sb.toString(), "adef");
    EXPECT_EQ(errorNumber([&] { sb.Remove(2, 3); }), kFueraDeIntervalo);
    EXPECT_EQ(errorNumber([&] { sb.Remove(5, 0); }), kFueraDeIntervalo);
    EXPECT_EQ(errorNumber([&] { sb.Remove(-1, 1); }), kFueraDeIntervalo);
    EXPECT_EQ(errorNumber([&] { sb.Remove(1, -1); }), kFueraDeIntervalo);
    // Added in 32 bits, these wrap below the length.
    EXPECT_EQ(errorNumber([&] { sb.Remove(1, kMaximo32); }), kFueraDeIntervalo);
    EXPECT_EQ(errorNumber([&] { sb.Remove(kMaximo32, kMaximo32); }), kFueraDeIntervalo);
    EXPECT_EQ(sb.toString(), "adef");
}

TEST(cStringBuilderTest, FindLooksOnlyWithinTheText)
{
    cStringBuilder sb = Con("abcdef");
    EXPECT_EQ(sb.Find("f", 1, cStringBuilder::Comparacion::Binaria), 6);
    EXPECT_EQ(sb.Find("F", 1, cStringBuilder::Comparacion::Binaria), 0);
    EXPECT_EQ(sb.Find("F", 1, cStringBuilder::Comparacion::Texto), 6);
    EXPECT_EQ(sb.Find("a", 0), 1);
    EXPECT_EQ(sb.Find("c", 4), 0);
    sb.Remove(5, 1);
    EXPECT_EQ(sb.Find("f"), 0) << "the removed character is still in the buffer but not in the text";
}

TEST(cStringBuilderTest, HeapMinimizeKeepsAtMostOneChunkSpare)
{
    cStringBuilder sb = Con(QString(40960, u'a'));
    sb.Remove(100, 40860);
    sb.HeapMinimize();
    EXPECT_EQ(sb.Capacity(), 8192);
    EXPECT_EQ(sb.toString(), QString(100, u'a'));
    sb.HeapMinimize();
    EXPECT_EQ(sb.Capacity(), 8192);
    sb.Append("b");
    EXPECT_EQ(sb.Find("b"), 101);
}

TEST(cStringBuilderTest, AChunkSizeOutOfRangeIsRefused)
{
    cStringBuilder sb;
    EXPECT_EQ(errorNumber([&] { sb.setChunkSize(0); }), ErroresVB::ArgumentoNoValido);
    EXPECT_EQ(errorNumber([&] { sb.setChunkSize(cStringBuilder::kMaximoCaracteres + 1); }), ErroresVB::Desbordamiento);
    EXPECT_EQ(sb.ChunkSize(), 8192);
}
