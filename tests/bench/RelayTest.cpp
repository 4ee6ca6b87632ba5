#include "Relay.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <thread>

namespace {

std::string recibir(int socket, std::size_t tamano)
{
    std::string recibido;
    char trozo[64];
    while (recibido.size() < tamano) {
        const ssize_t leidos = ::recv(socket, trozo, std::min(sizeof trozo, tamano - recibido.size()), 0);
        if (leidos <= 0) break;
        recibido.append(trozo, static_cast<std::size_t>(leidos));
    }
    return recibido;
}

// A server that answers each message with the same text reversed.
class Espejo {
public:
    Espejo()
    {
        sockaddr_in direccion = loopback(0);
        socklen_t largo = sizeof direccion;
        ::bind(escucha_, reinterpret_cast<sockaddr*>(&direccion), sizeof direccion);
        ::listen(escucha_, 1);
        ::getsockname(escucha_, reinterpret_cast<sockaddr*>(&direccion), &largo);
        puerto_ = ntohs(direccion.sin_port);
        hilo_ = std::thread([this] { responder(); });
    }
    ~Espejo()
    {
        hilo_.join();
        ::close(escucha_);
    }
    std::uint16_t puerto() const { return puerto_; }

private:
    void responder()
    {
        const int cliente = ::accept(escucha_, nullptr, nullptr);
        for (std::string mensaje = recibir(cliente, 3); mensaje.size() == 3; mensaje = recibir(cliente, 3))
            ::send(cliente, std::string(mensaje.rbegin(), mensaje.rend()).data(), 3, MSG_NOSIGNAL);
        ::close(cliente);
    }

    int escucha_ = ::socket(AF_INET, SOCK_STREAM, 0);
    std::uint16_t puerto_ = 0;
    std::thread hilo_;
};

TEST(RelayTest, TwoExchangesAreTwoRoundTripsAndTheBytesArriveIntact)
{
    Espejo servidor;
    Relay relay(servidor.puerto(), std::chrono::microseconds(0));
    const int cliente = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in direccion = loopback(relay.puerto());
    ASSERT_EQ(::connect(cliente, reinterpret_cast<const sockaddr*>(&direccion), sizeof direccion), 0);

    ::send(cliente, "abc", 3, MSG_NOSIGNAL);
    EXPECT_EQ(recibir(cliente, 3), "cba");
    ::send(cliente, "xyz", 3, MSG_NOSIGNAL);
    EXPECT_EQ(recibir(cliente, 3), "zyx");
    EXPECT_EQ(relay.idasYVueltas(), 2);
    ::close(cliente);
}

}  // namespace
