#pragma once

#include "platform/Variant.h"

#include <QString>
#include <QStringList>

// What the lookup engine gives the list window before the load.
struct PedidoLista {
    QString sql;
    QString CampoDevuelto;  // the column whose value Aceptar returns
    QStringList CmpsDevueltos;
    bool CheckBoxes = false;
    QString FiltroInicial;  // put into the first search box once the list is loaded
    QString CampoBusqueda;
    bool OrdenarPorLwv = true;  // the list sorts itself (the statement has no ORDER BY)
    bool UsaCantidades = false;
    QString ValoresDefault;  // codes to check; "@10" widens every column by 10 characters
    bool CfgUsaConsultaLIKE = false;
    Variant StkNivel1, StkNivel2, StkNivel3, StkNivel4;
    QString MuestraStock;
};

// What the engine reads from the list window afterwards.
struct EleccionLista {
    QString ValorDevuelto;
    QStringList Valores;
    QStringList Cantidades;
};
