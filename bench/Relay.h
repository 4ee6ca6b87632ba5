#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include <netinet/in.h>

// The address of `puerto` on this computer's loopback.
sockaddr_in loopback(std::uint16_t puerto);

// A TCP relay on loopback towards a local port, adding a fixed delay to each
// chunk in each direction, as a LAN between the program and its server does.
// It counts round trips: a chunk from the server that follows a chunk from
// the client. Each connection is served on a thread of its own.
class Relay {
public:
    static constexpr std::chrono::microseconds kRetardoPorDefecto{250};

    explicit Relay(std::uint16_t puertoDestino, std::chrono::microseconds retardo = kRetardoPorDefecto);
    ~Relay();
    Relay(const Relay&) = delete;
    Relay& operator=(const Relay&) = delete;

    std::uint16_t puerto() const { return puerto_; }
    long idasYVueltas() const { return idasYVueltas_.load(); }

private:
    void aceptar();
    void atender(int cliente);
    bool reenviar(int origen, int destino, bool cierraVuelta);
    int conectarDestino() const;

    std::uint16_t puertoDestino_;
    std::chrono::microseconds retardo_;
    int escucha_ = -1;
    int parada_[2] = {-1, -1};
    std::uint16_t puerto_ = 0;
    std::atomic<long> idasYVueltas_{0};
    std::mutex conexionesMutex_;
    std::vector<std::thread> conexiones_;
    std::thread aceptador_;
};
