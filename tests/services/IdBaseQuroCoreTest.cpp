#include "database/DB_Dll.h"
#include "services/IdBaseQuroCore.h"
#include "session/BasesDeDatos.h"
#include "support/DatabaseTest.h"
#include "support/QStringPrinter.h"

class IdBaseQuroCoreTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        openCompany();
    }

    int FilasDeLaClave() const
    {
        db::Recordset filas =
            gBaseDatos().gCnn.Execute("SELECT COUNT(*) FROM TA_CONFIGURACION WHERE CLAVE = 'QUROCORE_IDBASE'");
        return static_cast<int>(filas.Fields(0).Value().toLong());
    }
};

TEST_P(IdBaseQuroCoreTest, ATypedIdentifierIsStoredOnceAndReadBackByEveryLaterCall)
{
    EXPECT_EQ(IdBaseQuroCore(), "");
    operador->answerInput(" 15 ");
    EXPECT_TRUE(PedirIdBase(gBaseDatos()));
    EXPECT_EQ(IdBaseQuroCore(), "15");
    operador->answerInput("16");
    EXPECT_TRUE(PedirIdBase(gBaseDatos()));
    EXPECT_EQ(IdBaseQuroCore(), "16");
    EXPECT_EQ(FilasDeLaClave(), 1);
    EXPECT_EQ(operador->boxes().size(), 2) << "only the two questions";
}

TEST_P(IdBaseQuroCoreTest, AnAnswerThatIsNoIdentifierIsExplainedAndNothingIsStored)
{
    const struct {
        QString respuesta;
        QString comienzo;
        int icono;
    } casos[] = {
        {"", "No se configuro el Id de base.\r\nConsultale al administrador", vb::vbInformation},
        {"quince", "El Id de base tiene que ser un numero.\r\nConsultale al administrador", vb::vbExclamation},
        {"0", "El Id de base no es valido.", vb::vbExclamation},
        {"-3", "El Id de base no es valido.", vb::vbExclamation},
        {"2.5", "El Id de base no es valido.", vb::vbExclamation},
        {"3000000000", "El Id de base no es valido.", vb::vbExclamation},
    };
    for (const auto& caso : casos) {
        operador->answerInput(caso.respuesta);
        operador->answer(vb::vbOK);
        EXPECT_FALSE(PedirIdBase(gBaseDatos())) << caso.respuesta.toStdString();
        const ScriptedDialogs::Box& aviso = operador->boxes().back();
        EXPECT_TRUE(aviso.prompt.startsWith(caso.comienzo)) << aviso.prompt.toStdString();
        EXPECT_EQ(aviso.buttons, caso.icono);
        EXPECT_EQ(aviso.title, "QuroCore");
    }
    EXPECT_EQ(FilasDeLaClave(), 0);
}

TEST_P(IdBaseQuroCoreTest, AFailedSaveIsReportedAndNotTakenAsStored)
{
    seed({"DROP TABLE TA_CONFIGURACION"});
    operador->answerInput("15");
    operador->answer(vb::vbOK);
    EXPECT_FALSE(PedirIdBase(gBaseDatos()));
    EXPECT_TRUE(operador->boxes().back().prompt.startsWith("No se pudo guardar el Id de base.\r\n"));
    EXPECT_GT(operador->boxes().back().prompt.size(), QString("No se pudo guardar el Id de base.\r\n").size())
        << "the database's reason follows";
    EXPECT_EQ(operador->boxes().back().buttons, vb::vbCritical);

    gBaseDatos().gCnn.Close();
    operador->answerInput("15");
    operador->answer(vb::vbOK);
    EXPECT_FALSE(PedirIdBase(gBaseDatos()));
    EXPECT_EQ(operador->boxes().back().prompt,
              "No se pudo guardar el Id de base.\r\nLa base de datos no esta abierta.");
}

ON_EVERY_ENGINE(IdBaseQuroCoreTest);
