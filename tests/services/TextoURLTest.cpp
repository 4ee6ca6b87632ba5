#include "services/TextoURL.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

TEST(TextoURLTest, CodificarURLKeepsUnreservedCharactersAndEncodesTheRestAsUtf8)
{
    EXPECT_EQ(CodificarURL("a b&ñ"), "a%20b%26%C3%B1");
    EXPECT_EQ(CodificarURL("AZaz09-._~"), "AZaz09-._~");
    EXPECT_EQ(CodificarURL("+/=?%"), "%2B%2F%3D%3F%25");
    EXPECT_EQ(CodificarURL("€"), "%E2%82%AC");
}

TEST(TextoURLTest, CodificarURLWritesASurrogatePairAsOneCharacter)
{
    EXPECT_EQ(CodificarURL(QString::fromUtf8("x😀")), "x%F0%9F%98%80");
    const QChar suelto(char16_t(0xD83D));
    EXPECT_EQ(CodificarURL(QString("a") + suelto + "b"), "a%EF%BF%BDb");
    EXPECT_EQ(CodificarURL(QString(suelto)), "%EF%BF%BD");
}

TEST(TextoURLTest, UrlDeModoAppTakesTheAddressAfterTheOptionQuotedOrNot)
{
    EXPECT_EQ(UrlDeModoApp("--app=\"https://portal/ventas?directo=1\" --otra"), "https://portal/ventas?directo=1");
    EXPECT_EQ(UrlDeModoApp("--APP='https://portal/a b' x"), "https://portal/a b");
    EXPECT_EQ(UrlDeModoApp("--new-window --app= https://portal/x --otra"), "https://portal/x");
    EXPECT_EQ(UrlDeModoApp("--app=\"https://portal/sin-cierre"), "https://portal/sin-cierre");
    EXPECT_EQ(UrlDeModoApp("https://portal/x"), "");
}

TEST(TextoURLTest, UrlBaseAndModuloSplitAnAddress)
{
    const QString url = "https://portal:8443/ventas/caja?directo=1#arriba";
    EXPECT_EQ(UrlBase(url), "https://portal:8443");
    EXPECT_EQ(ModuloDeUrl(url), "ventas/caja");
    EXPECT_EQ(ModuloDeUrl("https://portal/ventas#x?y"), "ventas");
    EXPECT_EQ(UrlBase("https://portal?directo=1"), "https://portal?directo=1");
    EXPECT_EQ(ModuloDeUrl("https://portal?directo=1"), "");
    EXPECT_EQ(ModuloDeUrl("http://portal/?directo=1"), "");
    EXPECT_EQ(UrlBase("portal/ventas"), "");
}
