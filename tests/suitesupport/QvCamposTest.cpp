#include "platform/ui/TextField.h"
#include "suitesupport/QvCampos.h"

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// A window with four fields bound like the first tab of the main window.
class Ventana : public QWidget {
public:
    Ventana()
    {
        auto* layout = new QVBoxLayout(this);
        const QStringList columnas{"IdArticulo", "IdUnidad", "IdUnidad_Equiv", "Coeficiente"};
        for (int i = 0; i < columnas.size(); ++i) {
            auto* campo = new TextField(i, this);
            campo->setDataField(columnas[i]);
            campo->setText(QString("texto %1").arg(i));
            layout->addWidget(campo);
            campos.append(campo);
        }
        campos[3]->setNumeric(true);
    }

    QList<TextField*> campos;
};

}  // namespace

TEST(QvCampos, IndiceCampoFindsTheFieldByItsColumnIgnoringCase)
{
    Ventana ventana;
    EXPECT_EQ(QvCampos::IndiceCampo("idunidad_equiv", ventana.campos), 2);
    EXPECT_EQ(QvCampos::IndiceCampo(" COEFICIENTE ", ventana.campos), 3);
    EXPECT_EQ(QvCampos::IndiceCampo("Descripcion", ventana.campos), -1);
}

TEST(QvCampos, LimpiarCamposKeepsTheFieldsBeforeTheFirstIndex)
{
    Ventana ventana;
    QvCampos::LimpiarCampos(ventana, 2);
    EXPECT_EQ(ventana.campos[0]->text(), "texto 0");
    EXPECT_EQ(ventana.campos[1]->text(), "texto 1");
    EXPECT_EQ(ventana.campos[2]->text(), "");
    EXPECT_EQ(ventana.campos[3]->text(), "");
    QvCampos::LimpiarCampos(ventana, 0);
    EXPECT_EQ(ventana.campos[0]->text(), "");
}

TEST(QvCampos, EnterConfirmsAndMovesToTheNextEnabledField)
{
    Ventana ventana;
    ventana.show();
    QApplication::setActiveWindow(&ventana);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    ventana.campos[1]->setEnabled(false);
    ventana.campos[0]->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), ventana.campos[0]);

    EXPECT_TRUE(QvCampos::EsTeclaConfirmar(13));
    EXPECT_FALSE(QvCampos::EsTeclaConfirmar(9));
    QvCampos::SiguienteCampo(27);
    EXPECT_EQ(QApplication::focusWidget(), ventana.campos[0]);
    QvCampos::SiguienteCampo(13);
    EXPECT_EQ(QApplication::focusWidget(), ventana.campos[2]);
}

TEST(QvCampos, FiltrarTeclaGuardsQuotesAndNumericFields)
{
    Ventana ventana;
    const TextField& codigo = *ventana.campos[0];
    const TextField& coeficiente = *ventana.campos[3];
    EXPECT_EQ(QvCampos::FiltrarTecla(codigo, 'a'), 'a');
    EXPECT_EQ(QvCampos::FiltrarTecla(codigo, '\''), 0x00B4);
    EXPECT_EQ(QvCampos::FiltrarTecla(codigo, 8), 8);
    EXPECT_EQ(QvCampos::FiltrarTecla(coeficiente, '7'), '7');
    EXPECT_EQ(QvCampos::FiltrarTecla(coeficiente, ','), ',');
    EXPECT_EQ(QvCampos::FiltrarTecla(coeficiente, '.'), '.');
    EXPECT_EQ(QvCampos::FiltrarTecla(coeficiente, '-'), '-');
    EXPECT_EQ(QvCampos::FiltrarTecla(coeficiente, 'a'), 0);
    EXPECT_EQ(QvCampos::FiltrarTecla(coeficiente, '\''), 0);
    EXPECT_EQ(QvCampos::FiltrarTecla(coeficiente, 8), 8);
}
