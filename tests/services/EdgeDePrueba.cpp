#include "services/EdgeDePrueba.h"

#include <QFile>

#include <gtest/gtest.h>

EdgeDePrueba::EdgeDePrueba(const QString& nombre) : pathAnterior_(qgetenv("PATH"))
{
    qputenv("PATH", carpeta_.path().toLocal8Bit());
    if (nombre.isEmpty()) return;
    ruta_ = carpeta_.filePath(nombre);
    QFile programa(ruta_);
    EXPECT_TRUE(programa.open(QIODevice::WriteOnly));
    programa.write("#!/bin/sh\n");
    programa.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

EdgeDePrueba::~EdgeDePrueba() { qputenv("PATH", pathAnterior_); }
