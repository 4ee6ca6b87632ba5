#pragma once

#include "equivalences/EscrituraGenerica.h"
#include "equivalences/FilasDeCodigos.h"
#include "equivalences/HistorialEquivalencias.h"
#include "platform/TrapErrores.h"
#include "platform/db/Recordset.h"
#include "replication/ModGruposEmp.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

class AvanceGrabacion;
class DB_Dll;
struct ErrorVB;
struct Hallazgo;
namespace db {
class GroupedCommits;
}

// The equivalences of S_TA_EQUIV as the maintenance window edits them: the
// values entered, bound by column name (DataField); what the entry is doing;
// the record being written; the checks that ask the database; saving,
// deleting and the replication of what was written. It shows nothing: what
// the window is to show comes back as results and signals.
class ModeloEquivalencias : public QObject {
    Q_OBJECT
public:
    enum class Modo { Consulta, Alta, Modificacion, Baja };
    enum class Pestana { Equivalencias = 0, Especiales = 1 };

    // The entry fields, in index order, as the window and the save address them.
    enum class Campo { IdArticulo, IdUnidad, IdUnidad_Equiv, Coeficiente, IdUnidad2, IdUnidad_Equiv2, Coeficiente2 };
    // An entry field: its column, the table its code is looked up in and the
    // key column it is looked up by (none for a coefficient), its longest
    // text and its tab.
    struct DefinicionCampo {
        Campo campo;
        const char* dataField;
        const char* tabla;
        const char* clave;
        int largo;
        Pestana pestana;
    };
    // A grid column: its header, its width in capital "X" and its column of the statement.
    struct Columna {
        const char* encabezado;
        int anchoEnX;
        const char* campo;
    };
    using Filas = QVector<QStringList>;

    // How the check of one field ended. Interrumpida: something other than
    // the entry failed (a Null base unit, a lookup), with nothing to say.
    struct Validacion {
        enum class Resultado { Valida, Falla, Interrumpida };
        Resultado resultado = Resultado::Valida;
        QString mensaje;  // why it failed
    };
    // A value the database could not take, and the field it came from.
    struct ErrorDeConversion {
        QString titulo;
        Campo campo;
    };

    ModeloEquivalencias(DB_Dll& base, Replicacion& replicacion);

    // The fields in index order, and the columns of the two grids.
    static const QVector<DefinicionCampo>& Campos();
    static const DefinicionCampo& Definicion(Campo campo);
    // Its position in Campos(), which is its index in the window.
    static int Indice(Campo campo);
    static const QVector<Columna>& ColumnasPorArticulo();
    static const QVector<Columna>& ColumnasEspeciales();

    // --- what is entered -------------------------------------------------------------
    QString Valor(Campo campo) const;
    // An entry's new text; the model does not echo it back.
    void setValor(Campo campo, const QString& valor);
    Pestana pestana() const { return pestana_; }
    void setPestana(Pestana pestana) { pestana_ = pestana; }
    // While GRABAR checks the fields, no stored value replaces what was typed.
    void setGrabando(bool grabando) { Grabando_ = grabando; }

    Modo modo() const { return modo_; }
    void setModo(Modo modo) { modo_ = modo; }
    bool HayError() const { return HayError_; }
    void setHayError(bool hayError) { HayError_ = hayError; }
    bool ArticuloFijo() const { return ArticuloFijo_; }
    QString TablaActiva() const { return TablaActiva_; }

    // --- records and lists --------------------------------------------------------------
    // Browse mode, a fresh record, the fields emptied (all but the fixed article and its unit).
    void Inicializa();
    // The article handed over by the suite (blank: none) takes the article field.
    void FijarArticulo(const QString& codigo);
    // Its base unit into the unit field; fails when the article does not exist.
    void LeerUnidadDelArticuloFijo();
    void CargarEquivDelArticulo(const QString& IdArticulo);
    void CargarEquivEspecial();
    // The row with that ID into the record and the key fields; false when there is none.
    bool CargarFilaPorId(const QString& id);
    void LiberarRegistro();

    // --- checks -----------------------------------------------------------------------------
    Validacion CampoValida(Campo campo);
    // The description of the code in a field, read from `columna` of its
    // lookup table; empty when the code does not exist.
    QString Descripcion(Campo campo, const QString& columna) const;

    // --- saving -------------------------------------------------------------------------------
    // Writes or deletes as the mode and the tab say; HayError tells whether it failed.
    std::optional<ErrorDeConversion> ActualizarDatos(AvanceGrabacion& avance);
    // Writes the generic rows the consistency check found missing, each
    // replicated; returns how many were written.
    int CompletarGenericas(const QVector<Hallazgo>& faltantes);
    // A generic save writes this many articles per stretch; tests lower it.
    void FijarArticulosPorTramo(int articulos) { articulosPorTramo_ = articulos; }
    int ArticulosPorTramo() const { return articulosPorTramo_; }
    // Makes the program's own tables the company lacks (pending copies,
    // findings, history); false when one could not be made. The first save
    // does it when the window has not.
    bool CrearTablasPropias();
    // The same, once, for a write that does not go through the model.
    void AsegurarTablasPropias();

signals:
    // A value the model set itself: a base unit, a stored coefficient, an emptied field.
    void valorCambiado(ModeloEquivalencias::Campo campo, const QString& valor);
    void equivalenciasDelArticulo(const ModeloEquivalencias::Filas& filas);
    void equivalenciasEspeciales(const ModeloEquivalencias::Filas& filas);
    void ejemploCambiado(ModeloEquivalencias::Pestana pestana, const QString& linea);
    // Article, unit and equivalent unit are known: the entry of the coefficient begins.
    void claveCompleta();

private:
    // The unit, equivalent unit and coefficient fields of one tab.
    struct Relacion {
        Campo unidad;
        Campo equivalente;
        Campo coeficiente;
    };
    static Relacion relacion(Pestana pestana);
    // The field bound to a column of S_TA_EQUIV, if any.
    static std::optional<Campo> campoDeColumna(const QString& columna);
    void cambiarValor(Campo campo, const QString& valor);

    // --- records and lists
    void AbrirRecordset(const QString& tabla);
    Filas leerFilas(const QString& sentencia, const QVector<Columna>& columnas, const QString& rutina) const;
    // The row of S_TA_EQUIV the condition names, loaded into RegistroActual.
    bool cargarEquivalencia(const QString& condicion);
    bool equivalenciaDeLaClave(const QString& condicion);
    QString condicionPorArticulo() const;
    void CargarCampos();
    void cargarCoeficienteEspecial(const QString& unidad, const QString& equivalente);

    // --- checks; each gives the failure's message, if any
    std::optional<QString> validar(Campo campo, const QString& T);
    std::optional<QString> validarArticulo(const QString& T);
    std::optional<QString> validarUnidad(const QString& T);
    std::optional<QString> validarUnidadEquivalente(const QString& T);
    std::optional<QString> validarUnidad2(const QString& T);
    std::optional<QString> validarUnidadEquivalente2(const QString& T);
    std::optional<QString> validarCoeficiente(Pestana pestana);
    void entrarSegunExista(bool existe);
    void mostrarEjemplo(Pestana pestana);
    QString lineaEjemplo(Pestana pestana) const;
    // The row of the code in a field, in the field's lookup table, or `tabla`
    // by `clave` when given; read once while the field keeps that code.
    const std::optional<FilasDeCodigos::Fila>& filaDelCodigo(Campo campo, const char* tabla = nullptr,
                                                            const char* clave = nullptr) const;
    QString descripcionDeUnidad(Campo campo) const;

    // --- saving; each returns false when the save ended before its last step
    bool grabarSegunModo(AvanceGrabacion& avance, TrapErrores& trap);
    bool grabarPorArticulo(TrapErrores& trap);
    bool borrarPorArticulo(TrapErrores& trap);
    bool grabarEspeciales(AvanceGrabacion& avance, TrapErrores& trap);
    bool grabarEspecialesPorTramos(AvanceGrabacion& avance, TrapErrores& trap, db::GroupedCommits& escrituras);
    void grabarTramo(EscrituraGenerica& escritura, const QStringList& tramo, const QString& unidad,
                     const QString& equivalente, db::GroupedCommits& escrituras);
    void escribirRegistro();
    void borrarRegistro();
    HistorialEquivalencias historialDe(HistorialEquivalencias::Origen origen);
    bool borrarEspeciales(TrapErrores& trap);
    void pedirReplica(long operacion, const QString& articulo, const QString& unidad, const QString& equivalente);
    Respuesta tratarErrorDeGrabacion(const ErrorVB& error, bool& repetir, std::optional<ErrorDeConversion>& conversion);

    DB_Dll& base_;
    Replicacion& replicacion_;
    mutable FilasDeCodigos codigos_;
    int articulosPorTramo_ = EscrituraGenerica::kArticulosPorTramo;
    QString TablaActiva_;
    db::Recordset RegistroActual;
    QStringList valores_;  // one per field, in index order
    Pestana pestana_ = Pestana::Equivalencias;
    Modo modo_ = Modo::Consulta;
    bool Grabando_ = false;
    bool HayError_ = false;
    bool ArticuloFijo_ = false;
    QString ArticuloExterno;
    Campo campoEnCurso_ = Campo::IdArticulo;  // the field being stored when a save fails
    bool repitiendoPorClaveDuplicada_ = false;
    int otrosCoeficientes_ = 0;  // rows of the generic pair loaded that carry another coefficient
    bool tablasPropias_ = false;  // the program's own tables are known to exist
    std::optional<QString> equivalenciaCargada_;  // the condition RegistroActual was last loaded by
    bool equivalenciaHallada_ = false;
};
