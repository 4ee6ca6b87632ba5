#pragma once

#include "platform/ErrorVB.h"
#include "platform/db/Recordset.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class BoundLabel;
class Dll_Display;
class QKeyEvent;
class TrapErrores;
class FlexGrid;
class QGroupBox;
class QLabel;
class QTabWidget;
class TextField;
class UtilVex;

// The program's working window: the unit equivalences of one article (tab
// "Equivalencias") and the generic ones of a pair of units (tab "Especiales"),
// recorded, corrected and deleted with the command bar and the keyboard.
class FrmEquivalencias : public QWidget {
    Q_OBJECT
public:
    explicit FrmEquivalencias(QWidget* parent = nullptr);
    ~FrmEquivalencias() override;

    // The window's controls, under the names the suite's code knows them by.
    UtilVex* UtilVex1;
    QTabWidget* SSTab1;
    QLabel* Label1;
    FlexGrid* MSFlexGrid1;
    QGroupBox* Frame2;
    QLabel* Label4;
    QLabel* Label3;
    FlexGrid* MSFlexGrid2;
    QGroupBox* Frame1;
    QList<TextField*> Txtfields;  // indices 0 to 6
    QList<BoundLabel*> LblDesc;   // indices 0 to 4
    QList<QLabel*> lblLabels;     // indices 0 to 8 (6 and 7 unused)
    QLabel* LblEj;
    QLabel* LblEj2;

    // The program's start: sign-in and connection, then the window fixed on
    // the article handed over, if any, in the browse state.
    void Form_Load();
    // Reset to the browse state, listing the fixed article's equivalences.
    void Inicializa();
    // Fixes the window on one article handed over by the suite (empty: none).
    void FijarArticulo(const QString& codigo);
    // The command dispatch of the bar ("NUEVO", "GRABAR", ...).
    void UtilVex1_Click(const QString& Key);

    // What the window is doing, as its routines leave it.
    bool EnAlta() const { return EnAlta_; }
    bool EnModificacion() const { return EnModificacion_; }
    bool EnBaja() const { return EnBaja_; }
    bool HayError() const { return HayError_; }
    bool ArticuloFijo() const { return ArticuloFijo_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // --- building the window --------------------------------------------------------
    void crearControles();
    QWidget* crearPestanaEquivalencias();
    QWidget* crearPestanaEspeciales();
    TextField* crearCampo(int index, const QString& dataField, const QString& tag, int largo);
    BoundLabel* crearDescripcion(int index, const QString& dataField);
    void prepararBarra();
    void vigilarTeclas();

    // --- records and grids ----------------------------------------------------------------
    void AbrirRecordset(const QString& tabla);
    void InicializaGrid();
    void InicializaGrid2();
    void CargarEquivDelArticulo(const QString& IdArticulo);
    void CargarEquivEspecial();
    void llenarGrilla(FlexGrid& grilla, const QString& sentencia, const QString& rutina);
    int anchoDeX(int cantidad) const;

    // --- validation -------------------------------------------------------------------------------
    void CampoValida(TextField& texto);
    bool Datosvalidos();
    void VerRelacion();
    QString descripcion(const BoundLabel& etiqueta, const TextField& campoTexto) const;
    // Without messages: the labels of one field, or of every field.
    void mostrarDescripciones(const TextField* soloDe = nullptr);
    void cargarCoeficienteEspecial(const QString& unidadTexto, const QString& equivalente);
    void DetalleOn(bool Off);
    void CargarCampos();
    QString lineaEjemplo(const QString& unidad, const QString& coeficiente, const QString& equivalente);
    void mostrarEjemplo();
    void mostrarEjemplo2();
    std::optional<QString> validarCoeficiente(TextField& coeficiente, const QString& unidad,
                                              const QString& equivalente);
    TextField& campo(const QString& dataField) const;

    // The row of S_TA_EQUIV the key fields name, loaded into RegistroActual.
    bool cargarEquivalencia(const QString& condicion);
    QString condicionPorArticulo() const;

    // --- saving ---------------------------------------------------------------------------------
    void ActualizarDatos();
    // Each returns false when the save ended before its last step.
    bool grabarPorArticulo(TrapErrores& trap, int& indiceCampo);
    bool grabarEspeciales(Dll_Display& cartel, TrapErrores& trap);
    bool borrarEspeciales(TrapErrores& trap);
    // The pending copies sent again on the operator's request, and what is left said.
    void EnviarPendientes();
    void pedirReplica(long operacion, const QString& articulo, const QString& unidad, const QString& equivalente);
    int tratarErrorDeGrabacion(const ErrorVB& error, int indiceCampo, bool& repetir);
    void mostrarErrorDeConversion(const QString& titulo, int indiceCampo);

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
    void enfocarPrimerCampo();
    void Form_Unload();

    // --- state ---------------------------------------------------------------------------------------
    QString TablaActiva = QStringLiteral("S_TA_EQUIV");
    db::Recordset RegistroActual;
    bool EnAlta_ = false;
    bool EnModificacion_ = false;
    bool EnBaja_ = false;
    bool Grabando = false;
    int CampoActual = 0;
    bool HayError_ = false;
    bool ArticuloFijo_ = false;
    QString ArticuloExterno;
    bool repitiendoPorClaveDuplicada_ = false;
    int otrosCoeficientes_ = 0;  // rows of the generic pair loaded that carry another coefficient
};
