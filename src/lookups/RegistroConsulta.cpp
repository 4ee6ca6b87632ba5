#include "lookups/RegistroConsulta.h"

#include "platform/VbText.h"
#include "platform/os/AnsiFile.h"

#include <array>

namespace {

struct Campo {
    QString RegistroConsulta::*texto;
    int largo;
};

// The fields in the order and with the lengths they have in the file.
constexpr std::array kCampos{
    Campo{&RegistroConsulta::Titulo, 100},
    Campo{&RegistroConsulta::Tabla, 100},
    Campo{&RegistroConsulta::Columnas, 500},
    Campo{&RegistroConsulta::Condicion, 500},
};

constexpr char kNul = '\0';
// What a NUL of a key becomes before it is compared: no name holds it.
constexpr QChar kNoEscrito(0xFF);

}  // namespace

QByteArray RegistroConsulta::Codificado() const
{
    QByteArray bytes;
    bytes.reserve(kLargo);
    for (const Campo& campo : kCampos)
        bytes += os::toAnsi(this->*campo.texto).left(campo.largo).leftJustified(campo.largo, ' ');
    return bytes + os::kCrLf;
}

RegistroConsulta RegistroConsulta::Decodificado(const QByteArray& bytes)
{
    const QByteArray completo = bytes.leftJustified(kLargo, kNul, true);
    RegistroConsulta registro;
    int inicio = 0;
    for (const Campo& campo : kCampos) {
        registro.*campo.texto = os::fromAnsi(completo.mid(inicio, campo.largo));
        inicio += campo.largo;
    }
    return registro;
}

bool RegistroConsulta::EsDe(const QString& tabla) const
{
    QString clave = Tabla;
    clave.replace(QChar(kNul), kNoEscrito);
    return vb::SameText(vb::Trim(clave), vb::Trim(tabla));
}
