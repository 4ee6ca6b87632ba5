#include "session/BasesRegistradas.h"

#include "platform/ErrorVB.h"
#include "platform/VbText.h"
#include "platform/os/AnsiFile.h"
#include "platform/os/System.h"
#include "suitesupport/QvFunciones.h"

namespace {

constexpr char kNombreArchivo[] = "BASES.TXT";
constexpr int kCamposPorRegistro = 5;

bool esBlanco(QChar c) { return c == u' ' || c == u'\t'; }

// The fields of one line as the sequential input reads them.
QStringList camposDeLinea(const QString& linea)
{
    QStringList campos;
    qsizetype i = 0;
    const qsizetype largo = linea.size();
    for (;;) {
        while (i < largo && esBlanco(linea[i])) ++i;
        QString campo;
        if (i < largo && linea[i] == u'"') {
            const qsizetype cierre = linea.indexOf(u'"', i + 1);
            const qsizetype fin = cierre < 0 ? largo : cierre;
            campo = linea.mid(i + 1, fin - i - 1);
            i = fin + 1;
            while (i < largo && linea[i] != u',') ++i;
        } else {
            const qsizetype coma = linea.indexOf(u',', i);
            const qsizetype fin = coma < 0 ? largo : coma;
            campo = vb::RTrim(linea.mid(i, fin - i));
            i = fin;
        }
        campos.append(campo);
        if (i >= largo) return campos;
        ++i;  // the comma
    }
}

}  // namespace

BasesRegistradas::BasesRegistradas() : BasesRegistradas(EnCarpeta(os::programFolder())) {}

BasesRegistradas BasesRegistradas::EnCarpeta(const QString& carpeta)
{
    return BasesRegistradas(os::findFileIgnoringCase(carpeta, kNombreArchivo));
}

bool BasesRegistradas::existe() const { return os::readAnsiFile(ruta_).has_value(); }

std::optional<QVector<ConexionRegistrada>> BasesRegistradas::conexiones() const
{
    const std::optional<QStringList> lineas = os::readAnsiLines(ruta_);
    if (!lineas) return std::nullopt;
    QStringList campos;
    for (const QString& linea : *lineas) {
        if (!vb::IsBlank(linea)) campos += camposDeLinea(linea);
    }
    QVector<ConexionRegistrada> registros;
    for (qsizetype i = 0; i + kCamposPorRegistro <= campos.size(); i += kCamposPorRegistro) {
        registros.append(
            {campos[i], campos[i + 1], campos[i + 2], QvFunciones::Desencriptar(campos[i + 3]), campos[i + 4]});
    }
    return registros;
}

std::optional<ConexionRegistrada> BasesRegistradas::buscar(const QString& nombre) const
{
    const auto registros = conexiones();
    if (!registros) return std::nullopt;
    for (const ConexionRegistrada& registro : *registros) {
        if (vb::Trim(registro.nombre) == vb::Trim(nombre)) return registro;
    }
    return std::nullopt;
}

void BasesRegistradas::agregar(const ConexionRegistrada& conexion) const
{
    const QString contenido = os::readAnsiFile(ruta_).value_or(QString());
    const qsizetype ultimoSalto = std::max(contenido.lastIndexOf(u'\n'), contenido.lastIndexOf(u'\r'));
    const bool ultimaLineaConTexto = !vb::IsBlank(contenido.mid(ultimoSalto + 1));
    const QStringList campos{vb::Trim(conexion.nombre), vb::Trim(conexion.base), vb::Trim(conexion.login),
                             QvFunciones::Encriptar(vb::Trim(conexion.password)), vb::Trim(conexion.servidor)};
    const QString registro = (ultimaLineaConTexto ? QString(os::kCrLf) : QString()) + campos.join(u',') + os::kCrLf;
    if (!os::appendAnsiText(ruta_, registro, os::Readers::OwnerOnly))
        throw ErrorVB(ErroresVB::ErrorDeAccesoARuta, "Error de acceso a la ruta o el archivo");
}

QString BasesRegistradas::ServidorSinPuerto(const QString& servidor)
{
    const QString recortado = vb::Trim(servidor);
    const qsizetype dosPuntos = recortado.indexOf(u':');
    return vb::Trim(dosPuntos < 0 ? recortado : recortado.left(dosPuntos)).toUpper();
}

QString BasesRegistradas::NombreConexion(const QString& dbName, const QString& servidor)
{
    return vb::Trim(dbName).toUpper() + " / " + ServidorSinPuerto(servidor);
}
