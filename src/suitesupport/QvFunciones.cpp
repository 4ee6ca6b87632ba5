#include "suitesupport/QvFunciones.h"

#include "platform/ui/ScreenPlacement.h"

#include "platform/VbText.h"
#include "suitesupport/TratamientoErrores.h"

#include <QApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QStringDecoder>
#include <QWidget>

#include <cmath>

namespace {

constexpr char kClave[] = "QuroVex2";

bool soloDigitos(const QString& texto)
{
    if (texto.isEmpty()) return false;
    for (QChar c : texto) {
        if (!c.isDigit() || c.unicode() > 127) return false;
    }
    return true;
}

unsigned char mezcla(qsizetype posicion)
{
    const auto largoClave = static_cast<qsizetype>(sizeof kClave - 1);
    return static_cast<unsigned char>(kClave[posicion % largoClave] ^ ((posicion * 7 + 3) & 0xFF));
}

double numeroTecleado(const QString& texto)
{
    if (vb::IsBlank(texto)) return 0.0;
    const auto numero = vb::ParseNumber(texto);
    if (!numero) throw ErroresVB::tiposNoCoinciden(texto);
    return *numero;
}

}  // namespace

QString QvFunciones::FormatoCodigo(const QString& codigo, int ancho)
{
    const QString limpio = vb::Trim(codigo);
    if (soloDigitos(limpio) && limpio.size() < ancho) return limpio.rightJustified(ancho, u' ');
    return limpio;
}

Respuesta QvFunciones::TratarError(const ErrorVB& error, const QString& rutina)
{
    return RespuestaDelBoton(TratamientoErrores(error, kBotonesTratamiento, rutina));
}

QString QvFunciones::ValorATexto(const Variant& valor) { return valor.textOrEmpty(); }

double QvFunciones::TextoAMoneda(const QString& texto) { return std::round(numeroTecleado(texto) * 10000.0) / 10000.0; }

qint64 QvFunciones::TextoAEntero(const QString& texto)
{
    return static_cast<qint64>(std::nearbyint(numeroTecleado(texto)));
}

QString QvFunciones::TextoMaximo(const Variant& valor, int n) { return ValorATexto(valor).left(std::max(0, n)); }

QString QvFunciones::Reemplazar(const QString& texto, const QString& buscado, const QString& reemplazo)
{
    return vb::ReplaceText(texto, buscado, reemplazo);
}

QString QvFunciones::ReemplazarTabla(const QString& consulta, const QString& tabla, const QString& tablaNueva)
{
    const QString nombre = vb::Trim(tabla);
    if (nombre.isEmpty()) return consulta;
    const QRegularExpression palabra("(?<![\\w.\\[])" + QRegularExpression::escape(nombre) + "(?![\\w\\]])",
                                     QRegularExpression::CaseInsensitiveOption);
    QString resultado = consulta;
    return resultado.replace(palabra, vb::Trim(tablaNueva));
}

QString QvFunciones::LimpiarTexto(const QString& texto)
{
    const auto nulo = texto.indexOf(QChar(0));
    return vb::RTrim(nulo < 0 ? texto : texto.left(nulo));
}

int QvFunciones::CantidadPalabras(const QString& texto)
{
    return static_cast<int>(texto.split(u' ', Qt::SkipEmptyParts).size());
}

QString QvFunciones::Encriptar(const QString& texto)
{
    const QByteArray bytes = texto.toUtf8();
    QString codificado;
    codificado.reserve(bytes.size() * 2);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]) ^ mezcla(i);
        codificado += QStringLiteral("%1").arg(byte, 2, 16, QChar(u'0')).toUpper();
    }
    return codificado;
}

QString QvFunciones::Desencriptar(const QString& texto)
{
    static const QRegularExpression hexadecimal(QStringLiteral("^(?:[0-9A-Fa-f]{2})+$"));
    if (!hexadecimal.match(texto).hasMatch()) return texto;
    QByteArray bytes = QByteArray::fromHex(texto.toLatin1());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(static_cast<unsigned char>(bytes[i]) ^ mezcla(i));
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString claro = utf8(bytes);
    return utf8.hasError() ? texto : claro;
}

QString QvFunciones::AgregarBarra(const QString& carpeta) { return carpeta.endsWith(u'/') ? carpeta : carpeta + u'/'; }

void QvFunciones::PrepararFormulario(QWidget& ventana, int /*modo*/)
{
    const QScreen* pantalla = ventana.screen() ? ventana.screen() : QGuiApplication::primaryScreen();
    if (pantalla) centerWindowOnScreen(ventana, pantalla->availableGeometry());
}

void QvFunciones::RestablecerEstado(bool ocupado)
{
    if (ocupado) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        return;
    }
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}
