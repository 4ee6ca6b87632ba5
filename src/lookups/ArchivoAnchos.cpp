#include "lookups/ArchivoAnchos.h"

#include "platform/ErrorVB.h"
#include "platform/VbText.h"
#include "platform/os/AnsiFile.h"
#include "platform/os/System.h"
#include "suitesupport/QvFunciones.h"

#include <QFile>

#include <cstdio>

namespace {

constexpr char kArchivo[] = "CONSULTASLEN.VTX";
constexpr char kTemporal[] = "CONSULTASLEN.AUX";
constexpr QChar kSeparador = u'|';
constexpr QChar kComillas = u'"';
// A width is written as the single-precision number it is kept as.
constexpr int kDigitosSimple = 7;

// Reads one field of a line from `inicio`: quoted (no quote inside), or up to
// the next comma.
QString campo(const QString& linea, qsizetype& inicio)
{
    while (inicio < linea.size() && linea[inicio] == u' ') ++inicio;
    qsizetype fin = 0;
    QString texto;
    if (inicio < linea.size() && linea[inicio] == kComillas) {
        fin = linea.indexOf(kComillas, inicio + 1);
        if (fin < 0) fin = linea.size();
        texto = linea.mid(inicio + 1, fin - inicio - 1);
        fin = linea.indexOf(u',', fin);
    } else {
        fin = linea.indexOf(u',', inicio);
        texto = vb::Trim(linea.mid(inicio, fin < 0 ? -1 : fin - inicio));
    }
    inicio = fin < 0 ? linea.size() : fin + 1;
    return texto;
}

}  // namespace

ArchivoAnchos::ArchivoAnchos(const QString& carpeta) : carpeta_(carpeta) {}

std::optional<QStringList> ArchivoAnchos::Lineas() const
{
    const QString ruta = os::findFileIgnoringCase(carpeta_, kArchivo);
    if (!QFile::exists(ruta)) return QStringList{};
    return os::readAnsiLines(ruta);
}

std::optional<ArchivoAnchos::Entrada> ArchivoAnchos::Leer(const QString& linea)
{
    if (vb::IsBlank(linea)) return std::nullopt;
    qsizetype inicio = 0;
    Entrada entrada;
    entrada.tabla = campo(linea, inicio);
    entrada.anchos = campo(linea, inicio);
    return entrada;
}

QString ArchivoAnchos::Linea(const QString& tabla, const QString& anchos)
{
    return kComillas + tabla + kComillas + u',' + kComillas + anchos + kComillas + os::kCrLf;
}

std::optional<QString> ArchivoAnchos::AnchosDe(const QString& tabla) const
{
    std::optional<QString> anchos;
    for (const QString& linea : Lineas().value_or(QStringList{})) {
        const std::optional<Entrada> entrada = Leer(linea);
        if (entrada && vb::SameText(entrada->tabla, tabla)) anchos = entrada->anchos;
    }
    return anchos;
}

bool ArchivoAnchos::Grabar(const QString& tabla, const QString& anchos) const
{
    const std::optional<QStringList> lineas = Lineas();
    if (!lineas) return false;
    QString texto;
    for (const QString& linea : *lineas) {
        const std::optional<Entrada> entrada = Leer(linea);
        if (entrada && !vb::SameText(entrada->tabla, tabla)) texto += linea + os::kCrLf;
    }
    texto += Linea(tabla, anchos);

    const QString temporal = os::findFileIgnoringCase(carpeta_, kTemporal);
    const QString archivo = os::findFileIgnoringCase(carpeta_, kArchivo);
    if (!os::writeAnsiFile(temporal, texto)) {
        QFile::remove(temporal);
        return false;
    }
    if (std::rename(QFile::encodeName(temporal).constData(), QFile::encodeName(archivo).constData()) != 0) {
        QFile::remove(temporal);
        return false;
    }
    return true;
}

QVector<std::optional<double>> ArchivoAnchos::Piezas(const QString& anchos)
{
    QStringList piezas = anchos.split(kSeparador);
    if (!piezas.isEmpty() && vb::IsBlank(piezas.last())) piezas.removeLast();
    QVector<std::optional<double>> valores;
    for (const QString& pieza : piezas) {
        try {
            valores.append(vb::IsBlank(pieza) ? std::nullopt : std::optional(QvFunciones::TextoAMoneda(pieza)));
        } catch (const ErrorVB&) {
            valores.append(std::nullopt);
        }
    }
    return valores;
}

QString ArchivoAnchos::Texto(const QVector<double>& anchos)
{
    QString texto;
    for (const double ancho : anchos)
        texto += QString::number(static_cast<float>(ancho), 'g', kDigitosSimple) + kSeparador;
    return texto;
}

void GrabarAnchosConsulta(const QString& Tabla, const QString& Anchos)
{
    (void)ArchivoAnchos(os::programFolder()).Grabar(Tabla, Anchos);
}
