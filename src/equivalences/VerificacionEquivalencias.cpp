#include "equivalences/VerificacionEquivalencias.h"

#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "equivalences/CodigosEquivalencia.h"
#include "equivalences/NumeroEscrito.h"

#include <QHash>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Products of stored coefficients are 1 within this, relative...
constexpr double kToleranciaRelativa = 1e-6;
// ...or within what four stored decimals allow: each coefficient may be off
// by half of its last decimal, which no operator can do better than.
constexpr double kMedioUltimoDecimal = 0.00005;

constexpr char kFlecha[] = " → ";

// Codes compare as the database compares them: trimmed, without case.
QString clave(const QString& codigo) { return codigo.trimmed().toUpper(); }

double tolerancia(std::initializer_list<double> coeficientes)
{
    double suma = 0;
    for (double c : coeficientes) suma += kMedioUltimoDecimal / c;
    return std::max(kToleranciaRelativa, suma);
}

QString lista(std::initializer_list<double> coeficientes)
{
    QStringList textos;
    for (double c : coeficientes) textos << numeroEscrito(c);
    return textos.join("; ");
}

// The smallest set of units joined by the article's rows that holds `unidad`.
class Componentes {
public:
    void unir(const QString& a, const QString& b) { padre_[raiz(a)] = raiz(b); }
    QString raiz(const QString& unidad)
    {
        QString actual = unidad;
        while (padre_.contains(actual) && padre_[actual] != actual) actual = padre_[actual];
        return actual;
    }

private:
    QHash<QString, QString> padre_;
};

}  // namespace

struct VerificacionEquivalencias::Fila {
    QString articulo;
    QString unidad;
    QString equivalente;
    std::optional<double> coeficiente;  // none when not a number above zero
    QString textoCoeficiente;
    bool generica = false;
    bool articuloExiste = false;
    QString unidadArticulo;

    QString par() const { return clave(unidad) + '\n' + clave(equivalente); }
};

QVector<Hallazgo> VerificacionEquivalencias::Verificar()
{
    const Filas filas = leerFilas();
    QVector<Hallazgo> hallazgos;
    for (qsizetype desde = 0; desde < filas.size();) {
        qsizetype hasta = desde + 1;
        while (hasta < filas.size() && clave(filas[hasta].articulo) == clave(filas[desde].articulo)) ++hasta;
        verificarArticulo(filas.mid(desde, hasta - desde), hallazgos);
        desde = hasta;
    }
    verificarGenericas(filas, hallazgos);
    std::stable_sort(hallazgos.begin(), hallazgos.end(), [](const Hallazgo& a, const Hallazgo& b) {
        const int porArticulo = QString::compare(a.articulo, b.articulo, Qt::CaseInsensitive);
        return porArticulo != 0 ? porArticulo < 0 : a.tipo < b.tipo;
    });
    return hallazgos;
}

VerificacionEquivalencias::Filas VerificacionEquivalencias::leerFilas()
{
    db::Recordset rs;
    base_.AbrirRecordset(
        "SELECT E.IDARTICULO, E.IDUNIDAD, E.IDUNIDAD_EQUIV, E.COEFICIENTE, E.PARATODOS, A.IDARTICULO, A.IDUNIDAD "
        "FROM S_TA_EQUIV E LEFT JOIN V_MA_ARTICULOS A ON A.IDARTICULO = E.IDARTICULO "
        "ORDER BY E.IDARTICULO, E.IDUNIDAD, E.IDUNIDAD_EQUIV",
        rs, nullptr, db::ado::adOpenForwardOnly, db::ado::adLockReadOnly);
    Filas filas;
    for (; rs.State() == db::ado::adStateOpen && !rs.Eof(); rs.MoveNext()) {
        Fila fila;
        fila.articulo = rs.Fields(0).Value().textOrEmpty().trimmed();
        fila.unidad = rs.Fields(1).Value().textOrEmpty();
        fila.equivalente = rs.Fields(2).Value().textOrEmpty();
        const Variant coeficiente = rs.Fields(3).Value();
        fila.textoCoeficiente =
            coeficiente.textOrEmpty().isEmpty() ? QStringLiteral("(vacío)") : valorEscrito(coeficiente);
        if (coeficiente.isNumber() && std::isfinite(coeficiente.toDouble()) && coeficiente.toDouble() > 0)
            fila.coeficiente = coeficiente.toDouble();
        fila.generica = rs.Fields(4).Value().isNumber() && rs.Fields(4).Value().toLong() == 1;
        fila.articuloExiste = !rs.Fields(5).Value().isNull();
        fila.unidadArticulo = rs.Fields(6).Value().textOrEmpty();
        filas.append(fila);
    }
    return filas;
}

void VerificacionEquivalencias::verificarArticulo(const Filas& filas, QVector<Hallazgo>& hallazgos) const
{
    const auto hallazgo = [&](Hallazgo::Tipo tipo, const Fila& fila, QString unidades, QString coeficientes,
                              QString problema) {
        hallazgos.append({tipo, fila.articulo, fila.unidad.trimmed(), fila.equivalente.trimmed(), std::move(unidades),
                          std::move(coeficientes), std::move(problema)});
    };
    const auto nombrePar = [](const Fila& f) { return f.unidad.trimmed() + kFlecha + f.equivalente.trimmed(); };

    QHash<QString, const Fila*> porPar;
    Componentes componentes;
    for (const Fila& fila : filas) {
        componentes.unir(clave(fila.unidad), clave(fila.equivalente));
        if (fila.coeficiente)
            porPar.insert(fila.par(), &fila);
        else
            hallazgo(Hallazgo::Tipo::CoeficienteInvalido, fila, nombrePar(fila), fila.textoCoeficiente,
                     "El coeficiente debe ser un número mayor que cero");
    }

    for (const Fila* ab : std::as_const(porPar)) {
        const QString a = clave(ab->unidad);
        const QString b = clave(ab->equivalente);
        if (a == b) continue;
        if (const Fila* ba = porPar.value(b + '\n' + a); ba && a < b) {
            const double c1 = *ab->coeficiente, c2 = *ba->coeficiente;
            if (std::abs(c1 * c2 - 1) > tolerancia({c1, c2}))
                hallazgo(Hallazgo::Tipo::Contradiccion, *ab, nombrePar(*ab) + kFlecha + ab->unidad.trimmed(),
                         lista({c1, c2}), "El producto de la ida y la vuelta es " + numeroEscrito(c1 * c2) + ", no 1");
        }
        for (const Fila* bc : std::as_const(porPar)) {
            const QString c = clave(bc->equivalente);
            if (clave(bc->unidad) != b || c == a || c == b || !(a < b && a < c)) continue;
            const Fila* ca = porPar.value(c + '\n' + a);
            if (!ca) continue;
            const double c1 = *ab->coeficiente, c2 = *bc->coeficiente, c3 = *ca->coeficiente;
            if (std::abs(c1 * c2 * c3 - 1) > tolerancia({c1, c2, c3}))
                hallazgo(Hallazgo::Tipo::Ciclo, *ab,
                         nombrePar(*ab) + kFlecha + bc->equivalente.trimmed() + kFlecha + ab->unidad.trimmed(),
                         lista({c1, c2, c3}), "El producto del ciclo es " + numeroEscrito(c1 * c2 * c3) + ", no 1");
        }
    }

    const QString raizDelArticulo = componentes.raiz(clave(filas.front().unidadArticulo));
    for (const Fila& fila : filas) {
        if (!fila.articuloExiste)
            hallazgo(Hallazgo::Tipo::UnidadAjena, fila, nombrePar(fila), fila.textoCoeficiente,
                     "El artículo no existe");
        else if (componentes.raiz(clave(fila.unidad)) != raizDelArticulo)
            hallazgo(Hallazgo::Tipo::UnidadAjena, fila, nombrePar(fila), fila.textoCoeficiente,
                     "Ninguna de las dos unidades es la del artículo (" + fila.unidadArticulo.trimmed()
                         + ") ni se llega a ellas desde ella");
    }
}

void VerificacionEquivalencias::verificarGenericas(const Filas& filas, QVector<Hallazgo>& hallazgos)
{
    // The generic value of a pair: the coefficient most of its generic rows hold.
    QHash<QString, QMap<double, int>> votos;
    // The units whose articles carry a generic pair, with one of its rows.
    QMap<std::pair<QString, QString>, const Fila*> llevadas;  // (pair, unit as the database compares it)
    for (const Fila& fila : filas) {
        if (!fila.generica || !fila.coeficiente) continue;
        ++votos[fila.par()][*fila.coeficiente];
        const QString unidadArticulo = clave(fila.unidadArticulo);
        if (unidadArticulo == clave(fila.unidad) || unidadArticulo == clave(fila.equivalente))
            llevadas.insert({fila.par(), fila.unidadArticulo.toUpper()}, &fila);
    }
    QHash<QString, double> generico;
    for (auto par = votos.cbegin(); par != votos.cend(); ++par)
        generico.insert(par.key(), std::max_element(par->cbegin(), par->cend()).key());

    for (const Fila& fila : filas) {
        const auto valor = generico.constFind(fila.par());
        if (valor == generico.cend() || !fila.coeficiente) continue;
        if (std::abs(*fila.coeficiente - *valor) <= kToleranciaRelativa * *valor) continue;
        hallazgos.append({Hallazgo::Tipo::DifiereDeGenerica, fila.articulo, fila.unidad.trimmed(),
                          fila.equivalente.trimmed(), fila.unidad.trimmed() + kFlecha + fila.equivalente.trimmed(),
                          lista({*fila.coeficiente, *valor}),
                          "Difiere del valor genérico del par (" + numeroEscrito(*valor) + ")"});
    }

    for (auto llevada = llevadas.cbegin(); llevada != llevadas.cend(); ++llevada) {
        const Fila& modelo = **llevada;
        const double valor = generico.value(modelo.par());
        db::Recordset faltantes;
        base_.AbrirRecordset(
            "SELECT A.IDARTICULO FROM V_MA_ARTICULOS A WHERE A.IDUNIDAD = " + EntreComillas(llevada.key().second)
                + " AND NOT EXISTS (SELECT 1 FROM S_TA_EQUIV E WHERE E.IDARTICULO = A.IDARTICULO AND "
                + condicionDelPar(modelo.unidad, modelo.equivalente) + ")",
            faltantes, nullptr, db::ado::adOpenForwardOnly, db::ado::adLockReadOnly);
        for (; faltantes.State() == db::ado::adStateOpen && !faltantes.Eof(); faltantes.MoveNext()) {
            Hallazgo falta{Hallazgo::Tipo::FaltaGenerica,
                           faltantes.Fields(0).Value().textOrEmpty().trimmed(),
                           modelo.unidad.trimmed(),
                           modelo.equivalente.trimmed(),
                           modelo.unidad.trimmed() + kFlecha + modelo.equivalente.trimmed(),
                           numeroEscrito(valor),
                           "Le falta la equivalencia genérica que llevan los demás artículos de su unidad ("
                               + llevada.key().second.trimmed() + ")"};
            falta.generico = valor;
            hallazgos.append(falta);
        }
    }
}
