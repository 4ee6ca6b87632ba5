#include "equivalences/InformeVerificacion.h"
#include "support/QStringPrinter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

Hallazgo hallazgo(const QString& articulo, const QString& unidades, const QString& coeficientes,
                  const QString& problema)
{
    return {Hallazgo::Tipo::Ciclo, articulo, {}, {}, unidades, coeficientes, problema};
}

QString escrito(const QVector<Hallazgo>& hallazgos, FormatoInforme formato)
{
    QString texto;
    QTextStream salida(&texto);
    EscribirHallazgos(hallazgos, salida, formato);
    salida.flush();
    return texto;
}

const QVector<Hallazgo> kDos{hallazgo("A1", "KG → GR → KG", "0,5; 12", "El producto es 6, no 1"),
                             hallazgo("A \"2\"", "UN\t→ CJ", "1", "Dos\nlíneas")};

}  // namespace

TEST(InformeVerificacion, FormatNamesAreKnownWithoutRegardToCaseTsvFirst)
{
    EXPECT_EQ(FormatosDeSalida(), QStringList({"tsv", "csv", "json"}));
    EXPECT_EQ(FormatoDeSalida("CSV"), FormatoInforme::Csv);
    EXPECT_EQ(FormatoDeSalida("json"), FormatoInforme::Json);
    EXPECT_FALSE(FormatoDeSalida("xml").has_value());
}

TEST(InformeVerificacion, TsvHasAHeaderAndOneLinePerFindingWithoutTabsOrBreaksInsideAField)
{
    EXPECT_EQ(escrito({}, FormatoInforme::Tsv), "Artículo\tUnidades\tCoeficientes\tProblema\n");
    EXPECT_EQ(escrito(kDos, FormatoInforme::Tsv),
              "Artículo\tUnidades\tCoeficientes\tProblema\n"
              "A1\tKG → GR → KG\t0,5; 12\tEl producto es 6, no 1\n"
              "A \"2\"\tUN → CJ\t1\tDos líneas\n");
}

TEST(InformeVerificacion, CsvQuotesTheFieldsThatNeedIt)
{
    EXPECT_EQ(escrito(kDos, FormatoInforme::Csv),
              "Artículo,Unidades,Coeficientes,Problema\n"
              "A1,KG → GR → KG,\"0,5; 12\",\"El producto es 6, no 1\"\n"
              "\"A \"\"2\"\"\",UN\t→ CJ,1,\"Dos\nlíneas\"\n");
}

TEST(InformeVerificacion, JsonIsAnArrayOfOneObjectPerFinding)
{
    EXPECT_EQ(QJsonDocument::fromJson(escrito({}, FormatoInforme::Json).toUtf8()).array(), QJsonArray());
    const QJsonArray filas = QJsonDocument::fromJson(escrito(kDos, FormatoInforme::Json).toUtf8()).array();
    ASSERT_EQ(filas.size(), 2);
    EXPECT_EQ(filas[0].toObject(), QJsonObject({{"articulo", "A1"},
                                                {"unidades", "KG → GR → KG"},
                                                {"coeficientes", "0,5; 12"},
                                                {"problema", "El producto es 6, no 1"}}));
    EXPECT_EQ(filas[1].toObject().value("problema").toString(), "Dos\nlíneas");
}
