#include "replication/ConexionesDestino.h"

#include "database/DB_Dll.h"
#include "replication/DestinoReplica.h"

ConexionesDestino::ConexionesDestino() = default;

ConexionesDestino::~ConexionesDestino() = default;

QString ConexionesDestino::Clave(const DatosDestino& datos)
{
    return QStringList{datos.tipo, datos.codigo, datos.servidor, datos.base}.join(u'\x1f').toUpper();
}

DB_Dll& ConexionesDestino::De(const DatosDestino& datos)
{
    std::unique_ptr<DB_Dll>& base = bases_[Clave(datos)];
    if (!base) base = std::make_unique<DB_Dll>();
    return *base;
}

void ConexionesDestino::QuedarseCon(const QStringList& claves)
{
    std::erase_if(bases_, [&](const auto& entrada) { return !claves.contains(entrada.first); });
}
