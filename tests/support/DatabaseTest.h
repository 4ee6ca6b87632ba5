#pragma once

#include "support/ProgramTest.h"

#include <QString>

// A test whose program folder holds a server "LOCAL" (SQLite, folder "datos")
// with the company database EMPRESA, created empty from the schema scripts.
// The shared database objects and the settings cache start afresh.
class DatabaseTest : public ProgramTest {
protected:
    void SetUp() override;
    void TearDown() override;

    static constexpr char kServer[] = "LOCAL";
    static constexpr char kCompany[] = "EMPRESA";

    // "PROVIDER=SQLOLEDB;Server=LOCAL;Database =<database>;..." as the suite writes it.
    static QString connectionText(const QString& database = kCompany);
    // Creates another empty company database on the same server.
    void createCompanyDatabase(const QString& name) const;
    // Creates the statistics database (settings table only).
    void createStatisticsDatabase(const QString& name) const;
    QString dataFolder() const;
    // Opens gBaseDatos() on EMPRESA as the start-up does, signed in as `usuario`.
    void openCompany(const QString& usuario = "ADMIN");
    // Runs statements directly on EMPRESA, outside the program's objects.
    void seed(const QStringList& statements) const;
};
