#include "database/ArmadoSentencias.h"
#include "platform/ErrorVB.h"

#include <gtest/gtest.h>

namespace {

// "Campo=Valor" pairs joined by "|", to compare a whole list at once.
QString pares(const ListaCampos& campos)
{
    QStringList textos;
    for (const ParCampoValor& par : campos) textos << par.Campo + "=" + par.Valor;
    return textos.join("|");
}

void agregar(ListaCampos& campos, const QString& campo, QString valor, const QString& tipo, bool primero = false)
{
    AgregarCampoSQL(campos, campo, valor, tipo, primero);
}

}  // namespace

TEST(AgregarCampoSQL, PrimeroStartsANewListOfFormattedValues)
{
    ListaCampos campos{{"VIEJO", "1"}, {"OTRO", "2"}};
    agregar(campos, "IDARTICULO", "A-1", "'", true);
    agregar(campos, "COEFICIENTE", "2,5", "@");
    agregar(campos, "OBSERVACION", "null", "'");
    agregar(campos, "FECHA", "getDate()", "");
    EXPECT_EQ(pares(campos), "IDARTICULO='A-1'|COEFICIENTE=2.5|OBSERVACION=Null|FECHA=getDate()");
}

TEST(AgregarCampoSQL, QuotesAreRemovedFromTheValueAndFromTheCallersText)
{
    ListaCampos campos;
    QString usuario = "O'Brien";
    AgregarCampoSQL(campos, "Usuario", usuario, "'", true);
    EXPECT_EQ(usuario, "OBrien");

    QString nulo = "'NULL'";
    AgregarCampoSQL(campos, "Tarea", nulo, "'", false);
    EXPECT_EQ(pares(campos), "Usuario='OBrien'|Tarea=Null");
}

TEST(AgregarCampoSQL, AValueThatIsNotANumberRaises13AndLeavesTheList)
{
    ListaCampos campos;
    agregar(campos, "IDARTICULO", "A-1", "'", true);
    QString coeficiente = "dos";
    try {
        AgregarCampoSQL(campos, "COEFICIENTE", coeficiente, "@", false);
        ADD_FAILURE() << "no error";
    } catch (const ErrorVB& error) {
        EXPECT_EQ(error.numero, 13);
    }
    EXPECT_EQ(pares(campos), "IDARTICULO='A-1'");
}

TEST(ArmarSentenciaSQL, InsertOfTwoPairsEndsTheListWithOneEmptyEntry)
{
    ListaCampos campos;
    QStringList sentencias;
    QString condicion;
    agregar(campos, "IDARTICULO", "A-1", "'", true);
    agregar(campos, "COEFICIENTE", "2,5", "@");
    ArmarSentenciaSQL(campos, sentencias, "S_TA_EQUIV", false, condicion, false);
    EXPECT_EQ(sentencias, QStringList({"INSERT INTO S_TA_EQUIV (IDARTICULO,COEFICIENTE) VALUES ('A-1',2.5)", ""}));
    EXPECT_EQ(campos.size(), 1);
    EXPECT_EQ(pares(campos), "=");
    EXPECT_EQ(condicion, "");
}

TEST(ArmarSentenciaSQL, UpdatePutsWhereBeforeABareCondition)
{
    ListaCampos campos;
    QStringList sentencias;
    QString condicion = "IDARTICULO = 'A-1'";
    agregar(campos, "COEFICIENTE", "2,5", "@", true);
    agregar(campos, "PARATODOS", "0", "@");
    ArmarSentenciaSQL(campos, sentencias, "S_TA_EQUIV", true, condicion, false);
    EXPECT_EQ(condicion, " WHERE IDARTICULO = 'A-1'");
    EXPECT_EQ(sentencias,
              QStringList({"UPDATE S_TA_EQUIV SET COEFICIENTE = 2.5,PARATODOS = 0  WHERE IDARTICULO = 'A-1'", ""}));
}

TEST(ArmarSentenciaSQL, UpdateKeepsAConditionThatHasWhere)
{
    ListaCampos campos;
    QStringList sentencias;
    QString condicion = "where IDUNIDAD = 'UN'";
    agregar(campos, "COEFICIENTE", "3", "@", true);
    ArmarSentenciaSQL(campos, sentencias, "S_TA_EQUIV", true, condicion, false);
    EXPECT_EQ(condicion, "where IDUNIDAD = 'UN'");
    EXPECT_EQ(sentencias.first(), "UPDATE S_TA_EQUIV SET COEFICIENTE = 3 where IDUNIDAD = 'UN'");
}

TEST(ArmarSentenciaSQL, StatementsAccumulateInOrderBeforeOneEmptyEntry)
{
    ListaCampos campos;
    QStringList sentencias;
    QString condicion = "ID = 1";
    agregar(campos, "A", "x", "'", true);
    ArmarSentenciaSQL(campos, sentencias, "T", false, condicion, true);
    EXPECT_EQ(pares(campos), "A='x'");
    ArmarSentenciaSQL(campos, sentencias, "T", true, condicion, false);
    agregar(campos, "B", "2", "@", true);
    ArmarSentenciaSQL(campos, sentencias, "U", false, condicion, false);
    EXPECT_EQ(sentencias, QStringList({"INSERT INTO T (A) VALUES ('x')", "UPDATE T SET A = 'x'  WHERE ID = 1",
                                       "INSERT INTO U (B) VALUES (2)", ""}));
}

TEST(ArmarValoresInsert, AppendsColumnsAndValuesToTheText)
{
    ListaCampos campos;
    agregar(campos, "A", "x", "'", true);
    agregar(campos, "B", "1", "@");
    QString texto = "INSERT INTO T ";
    ArmarValoresInsert(texto, campos, false);
    EXPECT_EQ(texto, "INSERT INTO T (A,B) VALUES ('x',1)");
    EXPECT_EQ(campos.size(), 2);

    QString otro;
    ArmarValoresInsert(otro, campos, true);
    EXPECT_EQ(otro, "(A,B) VALUES ('x',1)");
    EXPECT_TRUE(campos.isEmpty());
}
