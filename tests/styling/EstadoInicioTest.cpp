#include "styling/EstadoInicio.h"

#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

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
