#include "services/PortalFalso.h"

#include <QHostAddress>
#include <QTcpSocket>

#include <gtest/gtest.h>

namespace {

constexpr QByteArrayView kFinCabeceras("\r\n\r\n");

// The request in `datos` once it has arrived whole.
std::optional<PortalFalso::Pedido> PedidoCompleto(const QByteArray& datos)
{
    const qsizetype fin = datos.indexOf(kFinCabeceras);
    if (fin < 0) return {};
    const QList<QByteArray> lineas = datos.left(fin).split('\n');
    const QList<QByteArray> inicio = lineas.front().trimmed().split(' ');
    PortalFalso::Pedido pedido{inicio.value(0), inicio.value(1), {}, {}};
    for (const QByteArray& linea : lineas.mid(1)) {
        const qsizetype dosPuntos = linea.indexOf(':');
        pedido.cabeceras.insert(linea.left(dosPuntos).trimmed().toLower(), linea.mid(dosPuntos + 1).trimmed());
    }
    const qsizetype largo = pedido.cabeceras.value("content-length").toLongLong();
    const qsizetype comienzoCuerpo = fin + kFinCabeceras.size();
    if (datos.size() < comienzoCuerpo + largo) return {};
    pedido.cuerpo = datos.mid(comienzoCuerpo, largo);
    return pedido;
}

}  // namespace

PortalFalso::PortalFalso()
{
    EXPECT_TRUE(servidor_.listen(QHostAddress::LocalHost));
    QObject::connect(&servidor_, &QTcpServer::newConnection, [this] {
        while (QTcpSocket* conexion = servidor_.nextPendingConnection()) {
            ++conexiones_;
            QObject::connect(conexion, &QTcpSocket::readyRead, conexion, [this, conexion] { leer(conexion); });
        }
    });
}

QString PortalFalso::baseUrl() const { return QString("http://127.0.0.1:%1").arg(servidor_.serverPort()); }

void PortalFalso::responder(int estado, const QByteArray& cuerpo, const QByteArray& cabeceras)
{
    guion_.enqueue(Respuesta{estado, cuerpo, cabeceras});
}

void PortalFalso::callar() { guion_.enqueue(std::nullopt); }

QString PortalFalso::direccionSinServicio()
{
    QTcpServer ocupado;
    EXPECT_TRUE(ocupado.listen(QHostAddress::LocalHost));
    const quint16 puerto = ocupado.serverPort();
    ocupado.close();
    return QString("http://127.0.0.1:%1").arg(puerto);
}

void PortalFalso::leer(QTcpSocket* conexion)
{
    QByteArray& datos = recibido_[conexion];
    datos += conexion->readAll();
    const std::optional<Pedido> pedido = PedidoCompleto(datos);
    if (!pedido) return;
    pedidos_.append(*pedido);
    datos.clear();
    contestar(conexion);
}

void PortalFalso::contestar(QTcpSocket* conexion)
{
    if (guion_.isEmpty()) {
        ADD_FAILURE() << "The portal got a request it had no answer for";
        conexion->disconnectFromHost();
        return;
    }
    const std::optional<Respuesta> respuesta = guion_.dequeue();
    if (!respuesta) return;
    conexion->write("HTTP/1.1 " + QByteArray::number(respuesta->estado) + " Respuesta\r\n"
                    + "Content-Type: text/plain; charset=utf-8\r\n"
                    + "Content-Length: " + QByteArray::number(respuesta->cuerpo.size()) + "\r\n"
                    + "Connection: close\r\n" + respuesta->cabeceras + "\r\n" + respuesta->cuerpo);
    conexion->disconnectFromHost();
}
