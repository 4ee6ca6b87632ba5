#include "session/AparienciaVentanas.h"
#include "session/Sesion.h"

#include <QLabel>
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

TEST(MostrarEstadoInicio, WritesOnTheSplashWindowAndTheMenu)
{
    QWidget splash;
    splash.setObjectName("frmSplash");
    auto* version = new QLabel(&splash);
    version->setObjectName("lblVersion");
    version->setVisible(false);
    QWidget menu;
    menu.setObjectName("frmMDI");
    auto* botonera = new QLabel(&menu);
    botonera->setObjectName("LblDescBotonera");
    splash.show();

    MostrarEstadoInicio("  Conectando  ", true);
    EXPECT_EQ(splash.windowTitle(), "QURO GESTION - Conectando");
    EXPECT_EQ(version->text(), "Conectando");
    EXPECT_TRUE(version->isVisible());
    EXPECT_EQ(botonera->text(), "Conectando");

    MostrarEstadoInicio("   ", false);
    EXPECT_EQ(splash.windowTitle(), "QURO GESTION - ...");
}

#include "AparienciaVentanasTest.moc"
