#pragma once

#include "equivalences/ModeloEquivalencias.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <utility>

class BoundLabel;
class DB_Dll;
class ModeloGrillaEquivalencias;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QTabWidget;
class QTableView;
class Replicacion;
class TextField;
class UtilVex;

// The program's working window: the unit equivalences of one article (tab
// "Equivalencias") and the generic ones of a pair of units (tab "Especiales"),
// recorded, corrected and deleted with the command bar and the keyboard. It
// shows what its model decides; its controls are found by their object names.
class FrmEquivalencias : public QWidget {
    Q_OBJECT
public:
    // On the company database `base`, copying what it saves through `replicacion`.
    FrmEquivalencias(DB_Dll& base, Replicacion& replicacion, QWidget* parent = nullptr);
    ~FrmEquivalencias() override;

    // The program's start: sign-in and connection, then the window fixed on
    // the article handed over, if any, in the browse state. False when the
    // start-up gave up and the program is to end.
    [[nodiscard]] bool Form_Load();
    // Reset to the browse state, listing the fixed article's equivalences.
    void Inicializa();
    // Fixes the window on one article handed over by the suite (empty: none).
    void FijarArticulo(const QString& codigo);
    // The command dispatch of the bar ("NUEVO", "GRABAR", ...).
    void UtilVex1_Click(const QString& Key);

    // What the window is doing, as its routines leave it.
    bool EnAlta() const { return modelo_.modo() == ModeloEquivalencias::Modo::Alta; }
    bool EnModificacion() const { return modelo_.modo() == ModeloEquivalencias::Modo::Modificacion; }
    bool EnBaja() const { return modelo_.modo() == ModeloEquivalencias::Modo::Baja; }
    // A generic save writes this many articles per stretch; tests lower it.
    void FijarArticulosPorTramo(int articulos) { modelo_.FijarArticulosPorTramo(articulos); }
    bool HayError() const { return modelo_.HayError(); }
    bool ArticuloFijo() const { return modelo_.ArticuloFijo(); }

signals:
    // The window was unloaded (CERRAR, or closed): the program is to end.
    void Descargada();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    using Modo = ModeloEquivalencias::Modo;
    using Pestana = ModeloEquivalencias::Pestana;
    using Campo = ModeloEquivalencias::Campo;

    // What a description label shows while its field is blank.
    static constexpr char kSinDescripcion[] = "...";

    // --- building the window ----------------------------------------------------------------
    void crearControles();
    QWidget* crearPestanaEquivalencias();
    QWidget* crearPestanaEspeciales();
    TextField* crearCampo(int index, const ModeloEquivalencias::DefinicionCampo& definicion);
    BoundLabel* crearDescripcion(int index, Campo describe);
    QTableView* crearGrilla(QWidget* pestana, const char* nombre, ModeloGrillaEquivalencias* lineas);
    void prepararBarra();
    void enlazarModelo();
    void vigilarTeclas();
    int anchoDeX(int cantidad) const;

    // --- what the fields, labels and grids show --------------------------------------------
    void InicializaGrid();
    void mostrarValor(Campo campo, const QString& valor);
    QLabel& ejemplo(Pestana pestana) const;
    void CampoValida(TextField& texto);
    bool Datosvalidos();
    void VerRelacion();
    QString descripcion(const BoundLabel& etiqueta, const TextField& campoTexto) const;
    // Without messages: the labels of one field, or of every field.
    void mostrarDescripciones(const TextField* soloDe = nullptr);
    void DetalleOn(bool Off);
    void ActualizarDatos();
    bool confirmarGenerica();
    // The pending copies sent again on the operator's request, and what is left said.
    void EnviarPendientes();
    // The consistency check: its findings listed, missing generic rows
    // written on request, the list exported on request.
    void Verificar();
    void completarGenericas(const QVector<Hallazgo>& hallazgos, const QStringList& elegidos);
    // The notes of the article on screen, or of the pair on "Especiales", newest first.
    void MostrarHistorial();
    // One generic save of the pair on "Especiales", chosen from a list, taken
    // back after a question that says what it does.
    void DeshacerGrabacionGenerica();
    // Equivalences from a spreadsheet the operator picks: what it would do
    // is shown first, the refused rows are written beside it.
    void Importar();
    // The list window on `sentencia`; the chosen row's `campo`, or empty.
    QString elegirEnLista(const QString& titulo, const QString& sentencia, const QString& campo);
    // The pair entered on "Especiales", normalised; nothing, said to the operator, when incomplete.
    std::optional<std::pair<QString, QString>> parEnPantalla(const QString& titulo);
    void mostrarErrorDeConversion(const ModeloEquivalencias::ErrorDeConversion& error);
    TextField& campo(Campo campo) const;
    static Campo campoDe(const TextField& texto);

    // Runs an event's work; a failure goes to the error treatment under the
    // event's name instead of escaping into the toolkit.
    void conTratamiento(const QString& rutina, const std::function<void()>& trabajo);

    // --- events ------------------------------------------------------------------------------------
    // True when the key raised a command of the bar.
    bool Form_KeyDown(int KeyCode, int Shift);
    void Txtfields_GotFocus(int Index);
    void Txtfields_LostFocus(int Index);
    void Txtfields_KeyDown(int Index, int KeyCode, int Shift);
    bool Txtfields_KeyPress(int Index, QKeyEvent& event);
    void Txtfields_MouseDown(int Index, Qt::MouseButton Button);
    void MSFlexGrid1_DblClick();
    void SSTab1_Click(int pestana);
    void ConsultarCampo();
    // Leaving a field the operator changed validates it as Enter does; false
    // when it failed and the focus is to stay.
    bool validarAlSalir(TextField& texto);
    void validarTrasClic(TextField& texto);
    void enfocarPrimerCampo();
    void Form_Unload();

    DB_Dll& base_;
    Replicacion& replicacion_;
    ModeloEquivalencias modelo_;
    int CampoActual = 0;
    // Fields typed into since they were last validated.
    QSet<int> sinValidar_;

    // The window's controls, under the names the suite's code knows them by.
    UtilVex* UtilVex1 = nullptr;
    QTabWidget* SSTab1 = nullptr;
    QLabel* Label1 = nullptr;
    QTableView* MSFlexGrid1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label3 = nullptr;
    QTableView* MSFlexGrid2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QList<TextField*> Txtfields;  // indices 0 to 6
    QList<BoundLabel*> LblDesc;   // indices 0 to 4
    QList<QLabel*> lblLabels;     // indices 0 to 8 (6 and 7 unused)
    QLabel* LblEj = nullptr;
    QLabel* LblEj2 = nullptr;
    // What the two grids show.
    ModeloGrillaEquivalencias* lineasPorArticulo_ = nullptr;
    ModeloGrillaEquivalencias* lineasEspeciales_ = nullptr;
};
