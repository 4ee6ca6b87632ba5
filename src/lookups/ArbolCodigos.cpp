#include "lookups/ArbolCodigos.h"

#include "platform/VbText.h"

#include <QTreeWidget>

namespace {

constexpr char kTextoRaiz[] = "Consulta...";
constexpr int kRolCodigo = Qt::UserRole;
constexpr int kRolDescripcion = Qt::UserRole + 1;

}  // namespace

ArbolCodigos::ArbolCodigos(QTreeWidget& arbol) : arbol_(arbol) {}

QString ArbolCodigos::Clave(const QString& codigo) { return (kRaiz + vb::RTrim(codigo)).toUpper(); }

void ArbolCodigos::Reiniciar(bool conMarcas)
{
    conMarcas_ = conMarcas;
    arbol_.clear();
    nodos_.clear();
    auto* raiz = new QTreeWidgetItem(&arbol_, {kTextoRaiz});
    if (conMarcas_) raiz->setCheckState(0, Qt::Unchecked);
    nodos_.insert(kRaiz, raiz);
    raiz->setExpanded(true);
}

void ArbolCodigos::Agregar(QTreeWidgetItem* padre, const QString& codigo, const QString& descripcion)
{
    const QString clave = Clave(codigo);
    if (nodos_.contains(clave)) return;
    auto* nodo = new QTreeWidgetItem(padre, {vb::RTrim(codigo) + " - " + descripcion});
    nodo->setData(0, kRolCodigo, vb::RTrim(codigo));
    nodo->setData(0, kRolDescripcion, descripcion);
    if (conMarcas_) nodo->setCheckState(0, Qt::Unchecked);
    nodos_.insert(clave, nodo);
}

void ArbolCodigos::AgregarPorPrefijo(const QString& codigo, const QString& descripcion)
{
    const QString clave = Clave(codigo);
    QTreeWidgetItem* padre = Raiz();
    for (qsizetype largo = clave.size() - 1; largo > 1; --largo) {
        if (QTreeWidgetItem* nodo = nodos_.value(clave.left(largo))) {
            padre = nodo;
            break;
        }
    }
    Agregar(padre, codigo, descripcion);
}

void ArbolCodigos::AgregarBajo(const QString& codigo, const QString& descripcion, const QString& padre)
{
    QTreeWidgetItem* nodoPadre = vb::IsBlank(padre) ? nullptr : Nodo(padre);
    Agregar(nodoPadre ? nodoPadre : Raiz(), codigo, descripcion);
}

QTreeWidgetItem* ArbolCodigos::Nodo(const QString& codigo) const { return nodos_.value(Clave(codigo)); }

QTreeWidgetItem* ArbolCodigos::Raiz() const { return nodos_.value(kRaiz); }

QString ArbolCodigos::Codigo(const QTreeWidgetItem& nodo) { return nodo.data(0, kRolCodigo).toString(); }

QString ArbolCodigos::Descripcion(const QTreeWidgetItem& nodo) { return nodo.data(0, kRolDescripcion).toString(); }
