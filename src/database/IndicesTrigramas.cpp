#include "database/IndicesTrigramas.h"

#include "database/DB_Dll.h"
#include "platform/db/ConnectionCore.h"
#include "platform/db/DbErrors.h"
#include "platform/db/tsql/PostgresDialect.h"

const char kIndicesTrigramas[] = R"(DO $$
BEGIN
    CREATE EXTENSION IF NOT EXISTS pg_trgm;
    CREATE INDEX IF NOT EXISTS IX_V_MA_ARTICULOS_Descripcion_Trigramas ON V_MA_ARTICULOS
        USING gin (tsql_like_fold(Descripcion) COLLATE "C" gin_trgm_ops);
    CREATE INDEX IF NOT EXISTS IX_V_MA_ARTICULOS_IdArticulo_Trigramas ON V_MA_ARTICULOS
        USING gin (tsql_like_fold(IdArticulo) COLLATE "C" gin_trgm_ops);
EXCEPTION WHEN OTHERS THEN
    RAISE NOTICE 'Búsquedas de artículos sin índices de trigramas: %', SQLERRM;
END $$)";

namespace {

// Asked of the catalogue, which takes no lock: CREATE INDEX IF NOT EXISTS
// would lock the articles against writes even when the index is there.
constexpr char kFaltan[] =
    "SELECT (to_regprocedure('tsql_like_fold(text)') IS NULL)::int, "
    "(to_regclass('ix_v_ma_articulos_descripcion_trigramas') IS NULL "
    "OR to_regclass('ix_v_ma_articulos_idarticulo_trigramas') IS NULL)::int";

struct Faltan {
    bool funcion;
    bool indices;
};

Faltan faltan(db::Engine& motor)
{
    const QVector<Variant> fila = motor.run(kFaltan).rows.value(0);
    return {fila.value(0).toLong() != 0, fila.value(1).toLong() != 0};
}

// The connection's statements without a time limit while it lives.
class SinLimite {
public:
    explicit SinLimite(db::Connection& conexion) : conexion_(conexion), limite_(conexion.CommandTimeout())
    {
        conexion_.setCommandTimeout(0);
    }
    ~SinLimite() { conexion_.setCommandTimeout(limite_); }
    SinLimite(const SinLimite&) = delete;
    SinLimite& operator=(const SinLimite&) = delete;

private:
    db::Connection& conexion_;
    int limite_;
};

}  // namespace

bool CrearIndicesTrigramas(DB_Dll& base)
{
    db::Engine& motor = base.gCnn.core()->requireEngine("CrearIndicesTrigramas");
    if (!dynamic_cast<const db::PostgresDialect*>(&motor.dialect())) return true;
    try {
        const Faltan antes = faltan(motor);
        if (!antes.funcion && !antes.indices) return true;
        if (antes.funcion) motor.run(db::postgresLikeFoldDefinition());
        if (antes.indices) {
            const SinLimite sinLimite(base.gCnn);
            motor.run(kIndicesTrigramas);
        }
        const Faltan despues = faltan(motor);
        return !despues.funcion && !despues.indices;
    } catch (const db::EngineFailure&) {
        return false;
    }
}
