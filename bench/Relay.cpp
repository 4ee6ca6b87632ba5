#include "Relay.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <stdexcept>

namespace {

constexpr std::size_t kTamanoTrozo = 64 * 1024;

// A socket closed when its holder goes.
class Descriptor {
public:
    explicit Descriptor(int valor) : valor_(valor) {}
    ~Descriptor()
    {
        if (valor_ >= 0) ::close(valor_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int operator*() const { return valor_; }

private:
    int valor_;
};

// Small chunks go out at once: the delay is the relay's, not Nagle's.
void sinEspera(int socket)
{
    const int si = 1;
    ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &si, sizeof si);
}

bool escribirTodo(int destino, const char* datos, ssize_t tamano)
{
    while (tamano > 0) {
        const ssize_t escritos = ::send(destino, datos, static_cast<std::size_t>(tamano), MSG_NOSIGNAL);
        if (escritos < 0 && errno == EINTR) continue;
        if (escritos <= 0) return false;
        datos += escritos;
        tamano -= escritos;
    }
    return true;
}

// Waits for any of the sockets; a signal that interrupts the wait is no reason to stop.
template <std::size_t N>
bool esperar(std::array<pollfd, N>& esperas)
{
    int listos = -1;
    do listos = ::poll(esperas.data(), esperas.size(), -1);
    while (listos < 0 && errno == EINTR);
    return listos >= 0;
}

bool legible(const pollfd& entrada) { return (entrada.revents & (POLLIN | POLLHUP | POLLERR)) != 0; }

}  // namespace

Relay::Relay(std::uint16_t puertoDestino, std::chrono::microseconds retardo)
    : puertoDestino_(puertoDestino), retardo_(retardo)
{
    escucha_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in direccion = loopback(0);
    socklen_t largo = sizeof direccion;
    if (escucha_ < 0 || ::pipe(parada_) != 0
        || ::bind(escucha_, reinterpret_cast<sockaddr*>(&direccion), sizeof direccion) != 0
        || ::listen(escucha_, SOMAXCONN) != 0
        || ::getsockname(escucha_, reinterpret_cast<sockaddr*>(&direccion), &largo) != 0)
        throw std::runtime_error("the relay cannot listen on loopback");
    puerto_ = ntohs(direccion.sin_port);
    aceptador_ = std::thread([this] { aceptar(); });
}

Relay::~Relay()
{
    const char uno = 1;
    [[maybe_unused]] const ssize_t escrito = ::write(parada_[1], &uno, 1);
    aceptador_.join();
    for (std::thread& conexion : conexiones_) conexion.join();
    for (int descriptor : {escucha_, parada_[0], parada_[1]}) ::close(descriptor);
}

void Relay::aceptar()
{
    std::array<pollfd, 2> esperas{{{escucha_, POLLIN, 0}, {parada_[0], POLLIN, 0}}};
    while (esperar(esperas) && esperas[1].revents == 0) {
        const int cliente = ::accept(escucha_, nullptr, nullptr);
        if (cliente < 0) continue;
        const std::lock_guard cerrojo(conexionesMutex_);
        conexiones_.emplace_back([this, cliente] { atender(cliente); });
    }
}

void Relay::atender(int descriptorCliente)
{
    const Descriptor cliente(descriptorCliente);
    const Descriptor servidor(conectarDestino());
    if (*servidor < 0) return;
    sinEspera(*cliente);
    std::array<pollfd, 3> esperas{{{*cliente, POLLIN, 0}, {*servidor, POLLIN, 0}, {parada_[0], POLLIN, 0}}};
    bool preguntaPendiente = false;
    while (esperar(esperas) && esperas[2].revents == 0) {
        if (legible(esperas[0])) {
            if (!reenviar(*cliente, *servidor, false)) return;
            preguntaPendiente = true;
        }
        if (legible(esperas[1])) {
            if (!reenviar(*servidor, *cliente, preguntaPendiente)) return;
            preguntaPendiente = false;
        }
    }
}

// The round trip is counted before the answer is passed on: whoever reads
// the count once the answer arrived finds it there.
bool Relay::reenviar(int origen, int destino, bool cierraVuelta)
{
    std::array<char, kTamanoTrozo> trozo;
    const ssize_t leidos = ::recv(origen, trozo.data(), trozo.size(), 0);
    if (leidos <= 0) return false;
    if (cierraVuelta) ++idasYVueltas_;
    std::this_thread::sleep_for(retardo_);
    return escribirTodo(destino, trozo.data(), leidos);
}

int Relay::conectarDestino() const
{
    const int servidor = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in direccion = loopback(puertoDestino_);
    if (servidor < 0) return -1;
    if (::connect(servidor, reinterpret_cast<const sockaddr*>(&direccion), sizeof direccion) != 0) {
        ::close(servidor);
        return -1;
    }
    sinEspera(servidor);
    return servidor;
}

sockaddr_in loopback(std::uint16_t puerto)
{
    sockaddr_in direccion{};
    direccion.sin_family = AF_INET;
    direccion.sin_port = htons(puerto);
    direccion.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return direccion;
}
