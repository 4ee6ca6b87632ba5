// Building a 10 MB text from small pieces with cStringBuilder, against the
// same pieces appended to a QString, and against half the text: twice the text
// must take about twice the time. Each figure is the best of a few runs, so
// that other work on the machine weighs less.
#include "Comprobacion.h"
#include "services/cStringBuilder.h"

#include <QElapsedTimer>
#include <QString>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <limits>

namespace {

constexpr qint64 kDiezMegas = 10 * 1024 * 1024;  // bytes of UTF-16 text
constexpr int kVueltas = 5;
const QString kPieza = "ARTICULO 000123;";

double Milisegundos(const std::function<void()>& trabajo)
{
    double mejor = std::numeric_limits<double>::max();
    for (int vuelta = 0; vuelta < kVueltas; ++vuelta) {
        QElapsedTimer reloj;
        reloj.start();
        trabajo();
        mejor = std::min(mejor, reloj.nsecsElapsed() / 1e6);
    }
    return mejor;
}

qint64 Piezas(qint64 bytes) { return bytes / (kPieza.size() * qint64(sizeof(char16_t))); }

double ConStringBuilder(qint64 bytes)
{
    return Milisegundos([bytes] {
        cStringBuilder sb;
        for (qint64 i = Piezas(bytes); i > 0; --i) sb.Append(kPieza);
        exigir(sb.Length() == Piezas(bytes) * kPieza.size(), "cStringBuilder did not hold every piece");
    });
}

double ConQString(qint64 bytes)
{
    return Milisegundos([bytes] {
        QString texto;
        for (qint64 i = Piezas(bytes); i > 0; --i) texto.append(kPieza);
        exigir(texto.size() == Piezas(bytes) * kPieza.size(), "QString did not hold every piece");
    });
}

}  // namespace

int main()
{
    const double mitad = ConStringBuilder(kDiezMegas / 2);
    const double entero = ConStringBuilder(kDiezMegas);
    const double qstring = ConQString(kDiezMegas);

    QTextStream salida(stdout);
    salida.setRealNumberNotation(QTextStream::FixedNotation);
    salida.setRealNumberPrecision(1);
    salida << "cStringBuilder.Append, 5 MB in 16-character pieces:  " << mitad << " ms (best of " << kVueltas << ")\n";
    salida << "cStringBuilder.Append, 10 MB in 16-character pieces: " << entero << " ms (" << entero / mitad
           << " times the 5 MB build; 2.0 is linear)\n";
    salida << "QString::append, the same 10 MB:                     " << qstring << " ms\n";
    return 0;
}
