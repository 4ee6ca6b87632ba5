#pragma once

#include <QByteArray>
#include <QString>

// Time limits of one request, in milliseconds. Until the request has been
// sent, the first three add up; after it, `recepcion` is the longest wait for
// the next bytes of the answer.
struct TiemposEspera {
    int resolucion = 5000;
    int conexion = 5000;
    int envio = 10000;
    int recepcion = 30000;
};

// What came back: the HTTP status and body, or why no answer came.
struct RespuestaHttp {
    int estado = 0;  // 0 when no answer arrived
    QByteArray cuerpo;
    QString falla;  // set when `estado` is 0
};

// Posts a form ("application/x-www-form-urlencoded; charset=utf-8", accepting
// plain text) and waits for the answer; window input waits meanwhile. A
// redirect is never followed: it comes back as its own status.
RespuestaHttp EnviarFormulario(const QString& url, const QByteArray& formulario, const TiemposEspera& tiempos);
