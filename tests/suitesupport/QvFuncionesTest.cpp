#include "platform/ErrorVB.h"
#include "suitesupport/QvFunciones.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

TEST(FormatoCodigo, DigitCodesAreRightAlignedToTheWidth)
{
    EXPECT_EQ(QvFunciones::FormatoCodigo("1", 4), "   1");
    EXPECT_EQ(QvFunciones::FormatoCodigo("0001", 4), "0001");
    EXPECT_EQ(QvFunciones::FormatoCodigo("123", 25), QString(22, u' ') + "123");
}

TEST(FormatoCodigo, OtherCodesAreTrimmed)
{
    EXPECT_EQ(QvFunciones::FormatoCodigo("UN", 4), "UN");
    EXPECT_EQ(QvFunciones::FormatoCodigo("A-100", 25), "A-100");
    EXPECT_EQ(QvFunciones::FormatoCodigo("1 2", 4), "1 2");
}

TEST(FormatoCodigo, BlanksAroundTheCodeNeverChangeTheResult)
{
    for (const QString codigo : {"1", "UN", "0001", "A-100"}) {
        EXPECT_EQ(QvFunciones::FormatoCodigo("  " + codigo + "   ", 4), QvFunciones::FormatoCodigo(codigo, 4));
        EXPECT_EQ(QvFunciones::FormatoCodigo(QvFunciones::FormatoCodigo(codigo, 4), 4),
                  QvFunciones::FormatoCodigo(codigo, 4));
    }
    EXPECT_EQ(QvFunciones::FormatoCodigo("", 4), "");
    EXPECT_EQ(QvFunciones::FormatoCodigo("    ", 4), "");
}

TEST(FormatoCodigo, CodesLongerThanTheWidthAreNotCut)
{
    EXPECT_EQ(QvFunciones::FormatoCodigo("12345", 4), "12345");
    EXPECT_EQ(QvFunciones::FormatoCodigo(" KILOS ", 4), "KILOS");
}

TEST(Encriptar, RoundTripsAnyText)
{
    for (const QString& texto : {QString("Veltrix"), QString("trebolo"), QString("ñandú 123 '|,="), QString()}) {
        const QString codificado = QvFunciones::Encriptar(texto);
        EXPECT_EQ(QvFunciones::Desencriptar(codificado), texto) << texto.toStdString();
    }
}

TEST(Encriptar, EncodedFormIsHexadecimalAndHidesTheText)
{
    const QString veltrix = QvFunciones::Encriptar("Veltrix");
    EXPECT_TRUE(QRegularExpression("^[0-9A-F]{14}$").match(veltrix).hasMatch()) << veltrix.toStdString();
    EXPECT_NE(QvFunciones::Encriptar("trebolo"), QvFunciones::Encriptar("treboln"));
    EXPECT_EQ(QvFunciones::Encriptar("Veltrix"), veltrix);
    EXPECT_FALSE(veltrix.contains("Veltrix", Qt::CaseInsensitive));
}

TEST(Encriptar, TextThatIsNotAnEncodingDecodesToItself)
{
    EXPECT_EQ(QvFunciones::Desencriptar("Veltrix"), "Veltrix");
    EXPECT_EQ(QvFunciones::Desencriptar("ABC"), "ABC");
}

TEST(TextoAMoneda, AcceptsPointOrCommaAsTheOperatorTypesIt)
{
    EXPECT_DOUBLE_EQ(QvFunciones::TextoAMoneda("1,5"), 1.5);
    EXPECT_DOUBLE_EQ(QvFunciones::TextoAMoneda("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(QvFunciones::TextoAMoneda(" 1.234,56 "), 1234.56);
    EXPECT_DOUBLE_EQ(QvFunciones::TextoAMoneda("0,12345"), 0.1235);
    EXPECT_DOUBLE_EQ(QvFunciones::TextoAMoneda(""), 0);
    EXPECT_DOUBLE_EQ(QvFunciones::TextoAMoneda("  "), 0);
    EXPECT_EQ(QvFunciones::TextoAEntero("1433"), 1433);
    EXPECT_EQ(QvFunciones::TextoAEntero("2,5"), 2);
    EXPECT_EQ(QvFunciones::TextoAEntero("3.5"), 4);
}

TEST(TextoAMoneda, TextThatIsNotANumberRaisesTypeMismatch)
{
    for (const QString texto : {"abc", "12abc", "1.2.3"}) {
        try {
            QvFunciones::TextoAMoneda(texto);
            ADD_FAILURE() << texto.toStdString();
        } catch (const ErrorVB& e) {
            EXPECT_EQ(e.numero, 13);
        }
    }
    EXPECT_THROW(QvFunciones::TextoAEntero("x"), ErrorVB);
}

TEST(QvFunciones, TextHelpers)
{
    EXPECT_EQ(QvFunciones::ValorATexto(Variant::null()), "");
    EXPECT_EQ(QvFunciones::ValorATexto(Variant(1.25)), "1.25");
    EXPECT_EQ(QvFunciones::TextoMaximo(Variant("abcdef"), 3), "abc");
    EXPECT_EQ(QvFunciones::TextoMaximo(Variant::null(), 3), "");
    EXPECT_EQ(QvFunciones::Reemplazar("a,b,,c", ",", ""), "abc");
    EXPECT_EQ(QvFunciones::Reemplazar("from v_ma_articulos", "V_MA_ARTICULOS", "VT_MA_ARTICULOS"),
              "from VT_MA_ARTICULOS");
    EXPECT_EQ(QvFunciones::LimpiarTexto(QString("abc  ") + QChar(0) + QChar(0) + "zz"), "abc");
    EXPECT_EQ(QvFunciones::LimpiarTexto("sin relleno  "), "sin relleno");
    EXPECT_EQ(QvFunciones::CantidadPalabras("  len  "), 1);
    EXPECT_EQ(QvFunciones::CantidadPalabras(" select  *  from t "), 4);
    EXPECT_EQ(QvFunciones::CantidadPalabras(""), 0);
    EXPECT_EQ(QvFunciones::AgregarBarra("/opt/quro"), "/opt/quro/");
    EXPECT_EQ(QvFunciones::AgregarBarra("/opt/quro/"), "/opt/quro/");
}

TEST(QvFunciones, ReemplazarTablaChangesOnlyWholeTableNames)
{
    EXPECT_EQ(QvFunciones::ReemplazarTabla("SELECT * FROM v_ma_articulos WHERE V_MA_ARTICULOS.IdArticulo='1'",
                                           "V_MA_ARTICULOS", "VT_MA_ARTICULOS"),
              "SELECT * FROM VT_MA_ARTICULOS WHERE VT_MA_ARTICULOS.IdArticulo='1'");
    EXPECT_EQ(QvFunciones::ReemplazarTabla("SELECT * FROM V_MA_ARTICULOS_X, XV_MA_ARTICULOS", "V_MA_ARTICULOS", "T"),
              "SELECT * FROM V_MA_ARTICULOS_X, XV_MA_ARTICULOS");
}
