#include "services/EdgeDePrueba.h"
#include "services/Navegador.h"
#include "support/ProgramTest.h"
#include "support/QStringPrinter.h"

class NavegadorTest : public ProgramTest {};

TEST_F(NavegadorTest, EdgeIsFoundOnThePathUnderEitherName)
{
    {
        const EdgeDePrueba edge("microsoft-edge");
        EXPECT_EQ(RutaEdge(), edge.ruta());
    }
    {
        const EdgeDePrueba edge("microsoft-edge-stable");
        EXPECT_EQ(RutaEdge(), edge.ruta());
    }
    const EdgeDePrueba sinEdge("");
    EXPECT_EQ(RutaEdge(), "");
}

TEST_F(NavegadorTest, EdgesArgumentsAreSplitAsACommandLineButNeverReadByAShell)
{
    const EdgeDePrueba edge;
    EXPECT_TRUE(AbrirEnEdge("MSEDGE  --new-window \"https://x/a b\" https://x/$(id);ls"));
    ASSERT_EQ(escritorio->startedArguments.size(), 1);
    EXPECT_EQ(escritorio->startedArguments[0], (QStringList{"--new-window", "https://x/a b", "https://x/$(id);ls"}));
    EXPECT_EQ(escritorio->started[0].section(u' ', 0, 0), edge.ruta());
}

TEST_F(NavegadorTest, WithoutEdgeTheDefaultBrowserShowsTheAddress)
{
    const EdgeDePrueba sinEdge("");
    EXPECT_TRUE(AbrirEnEdge("msedge --new-window https://x/y"));
    EXPECT_TRUE(AbrirEnEdge("msedge --app=\"https://portal/ventas\""));
    EXPECT_TRUE(AbrirEdgeModoApp("https://portal/vb6/consume?t=T"));
    EXPECT_EQ(escritorio->opened,
              (QStringList{"https://x/y", "https://portal/ventas", "https://portal/vb6/consume?t=T"}));
    EXPECT_FALSE(AbrirEnEdge("msedge")) << "with no address there is nothing for another browser to show";
    EXPECT_TRUE(escritorio->started.isEmpty());
}
