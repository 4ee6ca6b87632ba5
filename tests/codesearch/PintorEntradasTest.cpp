#include "codesearch/PintorEntradas.h"

#include "codesearch/BusquedaCodigo.h"
#include "codesearch/TextosBusqueda.h"

#include <QImage>
#include <QListWidget>
#include <QScrollBar>

#include <gtest/gtest.h>

// The search list draws each entry's description and code in two columns.

namespace {

constexpr int kRolCodigo = BusquedaCodigo::kRolCodigo;
constexpr int kRolDescripcion = BusquedaCodigo::kRolDescripcion;

// Whether any pixel of the first row, between the two x (of the viewport), differs from the background.
bool hayTinta(QListWidget& lista, int desde, int hasta)
{
    const QImage imagen = lista.viewport()->grab().toImage();
    const QRect fila = lista.visualItemRect(lista.item(0));
    const QRgb fondo = imagen.pixel(0, imagen.height() - 1);  // below the entries
    for (int y = fila.top(); y <= fila.bottom(); ++y) {
        for (int x = desde; x < hasta; ++x) {
            if (imagen.pixel(x, y) != fondo) return true;
        }
    }
    return false;
}

}  // namespace

TEST(PintorEntradasTest, TheCodeStandsAtTheRightEdgeAndNoEntryScrollsSideways)
{
    QListWidget lista;
    lista.setItemDelegate(new PintorEntradas(kRolDescripcion, kRolCodigo, &lista));
    lista.resize(300, 120);
    // The entries' texts as the box writes them; this code is padded with leading blanks.
    const QString codigo = QString(30, u' ') + "10001";
    auto* corta = new QListWidgetItem(TextosBusqueda::EntradaLista("Tuerca", codigo), &lista);
    corta->setData(kRolCodigo, codigo);
    corta->setData(kRolDescripcion, "Tuerca");
    const QString larga = QString("Arandela de presión ").repeated(10);
    auto* ancha = new QListWidgetItem(TextosBusqueda::EntradaLista(larga, "AR-1"), &lista);
    ancha->setData(kRolCodigo, "AR-1");
    ancha->setData(kRolDescripcion, larga);
    lista.show();

    const int ancho = lista.viewport()->width();
    EXPECT_TRUE(hayTinta(lista, ancho - ancho / 10, ancho)) << "the code drawn at the right";
    EXPECT_FALSE(hayTinta(lista, ancho / 3, ancho - ancho / 4)) << "nothing between a short description and its code";
    EXPECT_FALSE(lista.horizontalScrollBar()->isVisible()) << "a long description is cut, not scrolled";
}
