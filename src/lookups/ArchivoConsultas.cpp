#include "lookups/ArchivoConsultas.h"

#include "platform/ErrorVB.h"
#include "platform/os/System.h"

#include <QFile>
#include <QFileInfo>

namespace {

ErrorVB errorDeAcceso(const QString& ruta)
{
    return ErrorVB(ErroresVB::ErrorDeAccesoARuta, "Error de acceso a la ruta o al archivo " + ruta);
}

}  // namespace

ArchivoConsultas::ArchivoConsultas(const QString& ruta)
    : ruta_(os::findFileIgnoringCase(QFileInfo(ruta).path(), QFileInfo(ruta).fileName()))
{
}

bool ArchivoConsultas::Existe() const { return QFileInfo(ruta_).isFile(); }

QVector<RegistroConsulta> ArchivoConsultas::Registros() const
{
    QFile archivo(ruta_);
    if (!archivo.open(QIODevice::ReadOnly)) throw errorDeAcceso(ruta_);
    const QByteArray bytes = archivo.readAll();
    QVector<RegistroConsulta> registros;
    for (qsizetype inicio = 0; inicio + RegistroConsulta::kLargo <= bytes.size(); inicio += RegistroConsulta::kLargo)
        registros.append(RegistroConsulta::Decodificado(bytes.mid(inicio, RegistroConsulta::kLargo)));
    return registros;
}

std::optional<RegistroConsulta> ArchivoConsultas::Buscar(const QString& tabla) const
{
    for (const RegistroConsulta& registro : Registros()) {
        if (registro.EsDe(tabla)) return registro;
    }
    return std::nullopt;
}

void ArchivoConsultas::Agregar(const QVector<RegistroConsulta>& registros) const
{
    QByteArray bytes;
    for (const RegistroConsulta& registro : registros) bytes += registro.Codificado();
    QFile archivo(ruta_);
    if (!archivo.open(QIODevice::ReadWrite)) throw errorDeAcceso(ruta_);
    const qint64 siguiente = archivo.size() / RegistroConsulta::kLargo * RegistroConsulta::kLargo;
    if (!archivo.seek(siguiente) || archivo.write(bytes) != bytes.size() || !archivo.flush())
        throw errorDeAcceso(ruta_);
}
