#pragma once

#include <QHash>
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

// The nodes of a code tree: a root with key "A" and one node per code with
// key "A" + code and text code + " - " + description. Nodes are found by key
// (case ignored) through a hash, so that a tree of many codes is built in one
// pass.
class ArbolCodigos {
public:
    static constexpr char kRaiz[] = "A";

    explicit ArbolCodigos(QTreeWidget& arbol);

    // An empty tree with only the root, expanded.
    void Reiniciar(bool conMarcas);
    // Under the node whose key is the longest beginning of the new key, so
    // that '0101' hangs under '01'; a code already in the tree is not added again.
    void AgregarPorPrefijo(const QString& codigo, const QString& descripcion);
    // Under the node of code `padre`, or under the root when `padre` is
    // empty or not in the tree.
    void AgregarBajo(const QString& codigo, const QString& descripcion, const QString& padre);

    QTreeWidgetItem* Nodo(const QString& codigo) const;
    QTreeWidgetItem* Raiz() const;
    static QString Codigo(const QTreeWidgetItem& nodo);
    static QString Descripcion(const QTreeWidgetItem& nodo);

private:
    void Agregar(QTreeWidgetItem* padre, const QString& codigo, const QString& descripcion);
    static QString Clave(const QString& codigo);

    QTreeWidget& arbol_;
    QHash<QString, QTreeWidgetItem*> nodos_;  // by upper-case key; the tree owns them
    bool conMarcas_ = false;
};
