#include "platform/db/Connection.h"
#include "platform/ui/TextField.h"
#include "support/DatabaseTest.h"
#include "suitesupport/QvCampos.h"

#include <QWidget>

class QvCamposRegistroTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        const QStringList columnas{"IdArticulo", "IdUnidad", "Coeficiente", "Coeficiente2"};
        for (int i = 0; i < columnas.size(); ++i) {
            auto* campo = new TextField(i, &ventana);
            campo->setDataField(columnas[i]);
            campos.append(campo);
        }
    }

    QWidget ventana;
    QList<TextField*> campos;
};

TEST_P(QvCamposRegistroTest, PrepararCamposMarksTheFieldsOfNumericColumns)
{
    QvCampos::PrepararCampos(campos, "S_TA_EQUIV", connectionText());
    EXPECT_FALSE(campos[0]->isNumeric());
    EXPECT_FALSE(campos[1]->isNumeric());
    EXPECT_TRUE(campos[2]->isNumeric());
    EXPECT_FALSE(campos[3]->isNumeric()) << "bound to no column of the table";
}

TEST_P(QvCamposRegistroTest, CargarCamposRegistroShowsTheRowTrimmed)
{
    seed(
        {"INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE) VALUES ('  12', 'CJ', 'UN', "
         "12.5)"});
    campos[3]->setText("sin tocar");
    db::Connection conexion;
    conexion.Open(connectionText());
    db::Recordset fila = conexion.Execute("SELECT * FROM S_TA_EQUIV");
    QvCampos::CargarCamposRegistro(campos, fila);
    EXPECT_EQ(campos[0]->text(), "12");
    EXPECT_EQ(campos[1]->text(), "CJ");
    EXPECT_EQ(campos[2]->text(), "12.5");
    EXPECT_EQ(campos[3]->text(), "sin tocar");
}

ON_EVERY_ENGINE(QvCamposRegistroTest);
