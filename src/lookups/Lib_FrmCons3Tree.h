#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <memory>

class ArbolCodigos;
class DB_Dll;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The lookup window that shows codes as a tree (article families,
// positions, cost centres and accounts). The caller sets `sql` (code and
// description columns; a query of "v_ta_familias" builds the families tree
// with its own query), `CampoDevuelto` and `CheckBoxes`, loads and shows it,
// then reads ValorDevuelto or, with check boxes, Valores.
class Lib_FrmCons3Tree : public QDialog {
    Q_OBJECT
public:
    // Shows what `base` answers.
    explicit Lib_FrmCons3Tree(DB_Dll& base, QWidget* parent = nullptr);
    ~Lib_FrmCons3Tree() override;

    QString sql;
    QString CampoDevuelto;  // "IDFAMILIA", "IDPOSICION" or "CODIGO"
    bool CheckBoxes = false;
    QString ValorDevuelto;
    QStringList Valores;

    void Form_Load();
    // The families tree: each family under its parent, the longest shorter
    // code that sorts before it.
    void ArmarTreeVFamilias();
    // F5: the query again with the search text as a filter on the description.
    void BuscarEnServidor();
    void NuevaBusqueda();
    void Aceptar();
    void Cancelar();

    QLabel* lblFieldName;
    QComboBox* CmbSearch;
    QTreeWidget* TreeV;
    QFrame* Frame1;
    QPushButton* CmdAceptar;
    QPushButton* CmdCancelar;
    QPushButton* CmdNueva;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void reject() override;

private:
    void disponerControles();
    void Armar();
    void ArmarTreeVAutomatico();
    void BuscarEnArbol(const QString& texto);
    void MarcaCambiada(QTreeWidgetItem* nodo);
    QString ValorAceptado(const QString& codigo) const;
    void AgregarMarcados();

    DB_Dll& base_;
    std::unique_ptr<ArbolCodigos> arbol_;
    bool propagando_ = false;
};
