// Time of the command bar's own work: laying it out, painting it whole and
// following one hover move (the repaint of the two cells concerned), for the
// 19 default items and for 1000 items, against bare event pumping.
#include "Comprobacion.h"
#include "commandbar/UtilVex.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QTextStream>

#include <cstdlib>
#include <functional>
#include <memory>

namespace {

constexpr int kVeces19 = 500;
constexpr int kVeces1000 = 30;

double milisegundosPorVez(int veces, const std::function<void(int)>& trabajo)
{
    QElapsedTimer reloj;
    reloj.start();
    for (int i = 0; i < veces; ++i) trabajo(i);
    return reloj.nsecsElapsed() / 1e6 / veces;
}

// A bar of `cantidad` visible items, shown at the size that holds them all.
std::unique_ptr<UtilVex> barraDe(int cantidad)
{
    auto barra = std::make_unique<UtilVex>();
    const BarModel& items = barra->Items();
    for (int i = 0; i < items.Count(); ++i) barra->SetItemVisible(items.Item(i).key, true);
    for (int i = items.Count(); i < cantidad; ++i) {
        barra->AddItem(QString("ITEM%1").arg(i), QString("Comando %1").arg(i));
    }
    barra->resize(barra->sizeHint());
    barra->show();
    QCoreApplication::processEvents();
    return barra;
}

void moverA(UtilVex& barra, const QString& clave)
{
    const QPoint punto = barra.ItemRect(clave).center();
    QMouseEvent movida(QEvent::MouseMove, punto, barra.mapToGlobal(punto), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&barra, &movida);
    QCoreApplication::processEvents();
}

// Whether anything was drawn: more than one colour.
bool pintada(const QImage& imagen)
{
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x)
            if (imagen.pixel(x, y) != imagen.pixel(0, 0)) return true;
    return false;
}

void medir(QTextStream& salida, int cantidad, int veces)
{
    std::unique_ptr<UtilVex> barra = barraDe(cantidad);
    exigir(barra->Items().Count() == cantidad,
           QString("the bar holds %1 items of %2").arg(barra->Items().Count()).arg(cantidad));
    QImage imagen(barra->size(), QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    const double relayout = milisegundosPorVez(veces, [&](int) { barra->Relayout(); });
    const double pintura = milisegundosPorVez(veces, [&](int) { barra->render(&imagen); });
    exigir(pintada(imagen), "the bar painted nothing");
    const double hover = milisegundosPorVez(veces * 10, [&](int i) { moverA(*barra, i % 2 ? "NUEVO" : "BORRAR"); });
    salida << "relayout, " << cantidad << " items:   " << relayout << " ms\n";
    salida << "paint, " << cantidad << " items:      " << pintura << " ms (" << barra->width() << " x "
           << barra->height() << " pixels)\n";
    salida << "hover move, " << cantidad << " items: " << hover << " ms, repaint included\n";
}

}  // namespace

int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QTextStream salida(stdout);
    const double soloEventos = milisegundosPorVez(kVeces19 * 10, [](int) { QCoreApplication::processEvents(); });
    salida << "processEvents alone:     " << soloEventos << " ms\n";
    medir(salida, 19, kVeces19);
    medir(salida, 1000, kVeces1000);
    return 0;
}
