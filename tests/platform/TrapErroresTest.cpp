#include "platform/TrapErrores.h"
#include "platform/ui/Dialogs.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

// A treatment that answers from a list and remembers what it was shown.
struct Respuestas {
    QList<Respuesta> respuestas;
    QStringList vistos;

    TrapErrores::Tratamiento tratamiento()
    {
        return [this](const ErrorVB& e, const QString& rutina) {
            vistos.append(rutina + ":" + QString::number(e.numero));
            return respuestas.takeFirst();
        };
    }
};

}  // namespace

TEST(TrapErrores, StepsWithoutFailureGoOn)
{
    Respuestas operador;
    TrapErrores trap("Rutina", operador.tratamiento());
    int hechos = 0;
    EXPECT_TRUE(trap.paso([&] { ++hechos; }));
    EXPECT_EQ(hechos, 1);
    EXPECT_TRUE(operador.vistos.isEmpty());
}

TEST(TrapErrores, RetryRepeatsTheFailingStep)
{
    Respuestas operador{{Respuesta::Reintentar, Respuesta::Reintentar}, {}};
    TrapErrores trap("Cfg", operador.tratamiento());
    int intentos = 0;
    EXPECT_TRUE(trap.paso([&] {
        if (++intentos < 3) throw ErrorVB(13, "Type mismatch");
    }));
    EXPECT_EQ(intentos, 3);
    EXPECT_EQ(operador.vistos, QStringList({"Cfg:13", "Cfg:13"}));
}

TEST(TrapErrores, GoingOnTakesTheNextStepAndLeavingEndsTheRoutine)
{
    Respuestas operador{{Respuesta::Seguir, Respuesta::Salir}, {}};
    TrapErrores trap("R", operador.tratamiento());
    EXPECT_TRUE(trap.paso([] { throw ErrorVB(5, "x"); }));
    EXPECT_FALSE(trap.paso([] { throw ErrorVB(6, "y"); }));
    ASSERT_TRUE(trap.ultimoError().has_value());
    EXPECT_EQ(trap.ultimoError()->numero, 6);
    EXPECT_EQ(trap.ultimaRespuesta(), Respuesta::Salir);
}

TEST(TrapErrores, RetryAndIgnoreAreTheButtonsThatDoNotLeave)
{
    EXPECT_EQ(RespuestaDelBoton(vb::vbRetry), Respuesta::Reintentar);
    EXPECT_EQ(RespuestaDelBoton(vb::vbIgnore), Respuesta::Seguir);
    for (int otro : {0, vb::vbOK, vb::vbCancel, vb::vbAbort, vb::vbYes, vb::vbNo})
        EXPECT_EQ(RespuestaDelBoton(otro), Respuesta::Salir) << otro;
}

TEST(TrapErrores, SilentVariantSkipsFailures)
{
    TrapErrores trap = TrapErrores::silencioso();
    int despues = 0;
    EXPECT_TRUE(trap.paso([] { throw ErrorVB(91, "x"); }));
    EXPECT_TRUE(trap.paso([&] { ++despues; }));
    EXPECT_EQ(despues, 1);
    EXPECT_EQ(trap.ultimoError()->numero, 91);
}
