#pragma once

#include <QString>
#include <QVector>

class DB_Dll;

// Something wrong with the stored equivalences of one article.
struct Hallazgo {
    enum class Tipo {
        CoeficienteInvalido,  // zero, negative, empty or not a number
        Contradiccion,        // A→B and B→A whose product is not 1
        Ciclo,                // A→B→C→A whose product is not 1
        FaltaGenerica,        // a generic pair that its unit's other articles carry
        DifiereDeGenerica,    // a row of a generic pair with another coefficient
        UnidadAjena,          // neither the article's unit nor reachable from it
    };

    Tipo tipo;
    QString articulo;
    QString unidad;  // the pair the finding is about
    QString equivalente;
    QString unidades;  // as the operator reads them: "KG → GR → CJ → KG"
    QString coeficientes;
    QString problema;     // one Spanish sentence
    double generico = 0;  // FaltaGenerica: the coefficient the article lacks
};

// Reads S_TA_EQUIV and the articles' units and reports, per article, every
// inconsistency among the stored conversions. Reads only.
class VerificacionEquivalencias {
public:
    explicit VerificacionEquivalencias(DB_Dll& base) : base_(base) {}

    // Ordered by article, then by kind.
    QVector<Hallazgo> Verificar();

private:
    struct Fila;
    using Filas = QVector<Fila>;

    Filas leerFilas();
    void verificarArticulo(const Filas& filas, QVector<Hallazgo>& hallazgos) const;
    void verificarGenericas(const Filas& filas, QVector<Hallazgo>& hallazgos);

    DB_Dll& base_;
};
