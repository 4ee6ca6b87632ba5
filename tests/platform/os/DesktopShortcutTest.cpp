#include "platform/os/DesktopShortcut.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(DesktopShortcut, ArgumentsAreQuotedAndEscapedAsTheFormatAsks)
{
    const os::DesktopShortcut acceso{"Equivalencias",
                                     "/opt/equiv/equivalencias",
                                     {"@server=SRV1;", "a b", "x\"y$z`w\\v", "100%"},
                                     {"EQUIV_CARPETA=/srv/equiv"},
                                     {}};
    EXPECT_EQ(os::desktopExecLine(acceso),
              "env EQUIV_CARPETA=/srv/equiv /opt/equiv/equivalencias \"@server=SRV1;\" \"a b\" "
              "\"x\\\"y\\$z\\`w\\\\v\" \"100%%\"");
    EXPECT_EQ(os::desktopExecLine({"N", "/bin/programa", {}, {}, {}}), "/bin/programa");
}

TEST(DesktopShortcut, TheEntryIsWrittenExecutableWithItsValuesEscaped)
{
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("Escritorio/Equivalencias.desktop");
    ASSERT_TRUE(os::writeDesktopShortcut(ruta, {"Equivalencias", "/bin/programa", {"a\\b"}, {}, "/bin/icono.svg"}));
    QFile archivo(ruta);
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    EXPECT_EQ(archivo.readAll(),
              "[Desktop Entry]\nType=Application\nName=Equivalencias\n"
              "Exec=/bin/programa \"a\\\\\\\\b\"\nIcon=/bin/icono.svg\nTerminal=false\n")
        << "the backslash is escaped inside the quotes, then again as a value";
    EXPECT_TRUE(archivo.permissions() & QFileDevice::ExeOwner);
}
