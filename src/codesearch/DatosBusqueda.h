#pragma once

#include <QString>

// What the host tells the code search box: the text to look for first, and
// who searches (the account and the salesman whose codes a table restricts
// to), with a special table and column of its own when it has one.
struct EncargoBusqueda {
    QString Buscar;
    QString Cuenta;
    QString Usuario;
    QString TablaEspecial;
    QString CampoEspecial;
    QString CodigoEspecial;
};

// What the box found, for the host to read when CodigoObtenido is raised.
struct HallazgoBusqueda {
    QString codigo;
    QString CodigoNoConfirmado;
    QString CodigoAnt;
    QString idLista;
    QString TextoIngresado;
    QString FechaCalendario;
};
