#include "app/FinDeLaAplicacion.h"

#include <QCoreApplication>

void FinDeLaAplicacion::request(int status)
{
    NotedProgramEnd::request(status);
    QCoreApplication::exit(*requested());
}
