#pragma once

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QQueue>
#include <QString>
#include <QTcpServer>
#include <QVector>

#include <optional>

class QTcpSocket;

// A stand-in for the QuroCore portal on a loopback port. It records every
// request and answers each from its script, in order; a request with nothing
// scripted fails the test.
class PortalFalso {
public:
    struct Pedido {
        QByteArray metodo;
        QByteArray ruta;
        QMap<QByteArray, QByteArray> cabeceras;  // names in lower case
        QByteArray cuerpo;
    };

    PortalFalso();

    // "http://127.0.0.1:<port>".
    QString baseUrl() const;
    // Answers the next request; `cabeceras` are extra lines "Name: value\r\n".
    void responder(int estado, const QByteArray& cuerpo = {}, const QByteArray& cabeceras = {});
    // Keeps the next request waiting for ever.
    void callar();

    const QVector<Pedido>& pedidos() const { return pedidos_; }
    int conexiones() const { return conexiones_; }

    // An address on this computer where nothing listens.
    static QString direccionSinServicio();

private:
    struct Respuesta {
        int estado;
        QByteArray cuerpo;
        QByteArray cabeceras;
    };

    void leer(QTcpSocket* conexion);
    void contestar(QTcpSocket* conexion);

    QTcpServer servidor_;
    QHash<QTcpSocket*, QByteArray> recibido_;
    QQueue<std::optional<Respuesta>> guion_;
    QVector<Pedido> pedidos_;
    int conexiones_ = 0;
};
