#include "session/AparienciaVentanas.h"
#include "session/Sesion.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

// A command bar of the suite that takes a style.
class BarraConEstilo : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double StyleBar MEMBER estilo)
public:
    using QWidget::QWidget;
    double estilo = -1;
};

}  // namespace

TEST(AsignarIconoFormulario, GivesTheProgramIconAndTheToolbarStyle)
{
    gSesion().gFlatToolbars = 3;
    QWidget ventana;
    auto* barra = new BarraConEstilo(&ventana);
    barra->setObjectName("UtilVex1");
    auto* sinEstilo = new QWidget(&ventana);
    sinEstilo->setObjectName("TBarRep1");
    AsignarIconoFormulario(ventana);
    EXPECT_FALSE(ventana.windowIcon().pixmap(32).isNull());
    EXPECT_EQ(barra->estilo, 3);
    EXPECT_FALSE(sinEstilo->property("StyleBar").isValid()) << "a control without the property is left alone";
    gSesion() = Sesion{};
}

#include "AparienciaVentanasTest.moc"
