#pragma once

#include "platform/Variant.h"

#include <QString>
#include <QStringList>

class DB_Dll;
class Lib_FrmCons3;
struct RegistroConsulta;

// What a search is given besides its table or statement. `CampoBusqueda`
// and `Where` come back as the search used them.
struct ArgumentosConsulta {
    // Further columns whose values the window collects for the chosen row;
    // the search empties the list it is given.
    QStringList* CmpsDevueltos = nullptr;
    QString Clave;              // text the list is positioned on at once
    QString CampoBusqueda;      // column searched and sorted on; empty lets the engine choose
    QString Where;              // an extra condition
    QString SentenciaOpcional;  // the statement of a table without a definition record
    bool TreeView = false;      // the tree window instead of the list
    QString ValoresDefault;     // codes shown checked
};

// The lookup search engine: settles the statement of a lookup (from the
// definition file, from the caller or from the table's own columns), shows
// it in the list or tree window and keeps what the operator chose. The
// process has one, gConsulta(), on the company database.
class Lib_ClsCons3 {
public:
    // Searches `base`. Reads the stock colours, "MostrarStockenConsultas" and
    // "UsaConsultaLike".
    explicit Lib_ClsCons3(DB_Dll& base);

    Variant StkNivel1, StkNivel2, StkNivel3, StkNivel4;
    QString MuestraStock;
    QStringList CmpsDevueltos;
    QStringList Valores;     // collected values, or the checked ones
    QStringList Cantidades;  // quantities of the chosen rows
    bool Checks = false;     // the next search checks rows; one search only
    QString ValorDevuelto;   // the chosen row's returned column; empty when nothing was chosen
    QString gConnString;
    QString gRutaMascaraConsultas;
    bool gUsarMascarasConsultas = false;
    bool UsaCantidades = false;
    QString CampoDevuelto;  // the column whose value is returned; one search only

    // A check list of options; an option whose first character is "1" shows
    // checked. The checked ones are in Valores afterwards. Returns 0.
    qint32 CheckOpciones(const QString& Titulo, const QStringList& Opc);
    // A one-choice menu; the chosen option, or empty.
    QString MenuOpciones(const QString& Titulo, const QStringList& Opc);
    // `sql` is a table or view name, or a statement containing SELECT.
    void ConsultaSearch(const QString& sql, ArgumentosConsulta& argumentos);
    void ConsultaSearch(const QString& sql, ArgumentosConsulta&& argumentos = {});
    // The lines of a text file to choose one from; empty when the file is
    // missing (said to the operator) or nothing was chosen.
    QString ConsultaDesdeArchivo(const QString& Titulo, const QString& QueArchivo);

private:
    QString Sentencia(const QString& sql, ArgumentosConsulta& argumentos) const;
    QString SentenciaDeDefinicion(const RegistroConsulta& registro, ArgumentosConsulta& argumentos) const;
    QString SentenciaPorDefecto(const QString& tabla, ArgumentosConsulta& argumentos) const;
    QString ColumnasPorDefecto(const QString& tabla, QString& campoBusqueda) const;
    void MostrarLista(const QString& sentencia, const ArgumentosConsulta& argumentos);
    void MostrarArbol(const QString& sentencia);
    // The list window as a picker of texts, shown and read.
    void MostrarOpciones(Lib_FrmCons3& ventana, const QString& titulo, const QStringList& filas);

    DB_Dll& base_;
    bool CfgUsaConsultaLIKE = false;
};

// The process-wide engine, created on first use over the company database.
Lib_ClsCons3& gConsulta();
// Drops it: the next gConsulta() is a new one that reads its settings again.
void DescartarConsulta();
