#include "services/PeticionHttp.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace {

QString DescripcionDeFalla(QNetworkReply::NetworkError error, const QString& textoQt)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError: return "El servidor rechazo la conexion.";
    case QNetworkReply::HostNotFoundError: return "No se encontro el servidor.";
    case QNetworkReply::RemoteHostClosedError: return "El servidor cerro la conexion antes de responder.";
    case QNetworkReply::SslHandshakeFailedError: return "No se pudo establecer la conexion segura (https).";
    default: return textoQt;
    }
}

// A failure of the link itself (connection, name, proxy, cut short), as
// opposed to an HTTP status the server answered with.
bool SinRespuestaHttp(QNetworkReply::NetworkError error)
{
    return error != QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied;
}

QNetworkRequest PedidoDeFormulario(const QString& url)
{
    QNetworkRequest pedido{QUrl(url)};
    pedido.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded; charset=utf-8");
    pedido.setRawHeader("Accept", "text/plain");
    pedido.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    return pedido;
}

}  // namespace

RespuestaHttp EnviarFormulario(const QString& url, const QByteArray& formulario, const TiemposEspera& tiempos)
{
    QNetworkAccessManager red;
    std::unique_ptr<QNetworkReply> respuesta(red.post(PedidoDeFormulario(url), formulario));

    QEventLoop espera;
    QTimer reloj;
    reloj.setSingleShot(true);
    int plazoVencido = 0;
    QObject::connect(&reloj, &QTimer::timeout, [&] {
        plazoVencido = reloj.interval();
        respuesta->abort();
    });
    QObject::connect(respuesta.get(), &QNetworkReply::requestSent, [&] { reloj.start(tiempos.recepcion); });
    QObject::connect(respuesta.get(), &QNetworkReply::readyRead, [&] { reloj.start(tiempos.recepcion); });
    QObject::connect(respuesta.get(), &QNetworkReply::finished, &espera, &QEventLoop::quit);
    reloj.start(tiempos.resolucion + tiempos.conexion + tiempos.envio);
    if (!respuesta->isFinished()) espera.exec(QEventLoop::ExcludeUserInputEvents);

    if (plazoVencido > 0) return {0, {}, QString("Se agoto el tiempo de espera (%1 ms).").arg(plazoVencido)};
    const int estado = respuesta->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (estado == 0 || SinRespuestaHttp(respuesta->error()))
        return {0, {}, DescripcionDeFalla(respuesta->error(), respuesta->errorString())};
    return {estado, respuesta->readAll(), {}};
}
