#pragma once

#include <QString>
#include <QVector>

#include <optional>

// One registered connection: a line of BASES.TXT.
struct ConexionRegistrada {
    QString nombre;    // "EMP01 / SRV1": database and server without port, upper case
    QString base;      // the database name as typed
    QString login;     // the database login (the database name)
    QString password;  // the database password, in clear
    QString servidor;  // the server as typed, port included
};

// The connections registered on this workstation: BASES.TXT in the program
// folder, Windows-1252 with CR LF, five comma-separated fields per record and
// the password field encoded. Reading follows the platform's sequential
// input: a field ends at a comma or at the end of its line, leading blanks are
// skipped, a field in double quotes loses them, and five fields make a record
// whatever lines they stand on. Blank lines are skipped and a last record
// with fewer than five fields is left out.
class BasesRegistradas {
public:
    // BASES.TXT in the program folder (in whatever case it was written).
    BasesRegistradas();
    explicit BasesRegistradas(QString ruta) : ruta_(std::move(ruta)) {}
    // BASES.TXT in another program folder, such as the one the demo is made in.
    static BasesRegistradas EnCarpeta(const QString& carpeta);

    const QString& ruta() const { return ruta_; }
    bool existe() const;

    // Nothing when the file cannot be read.
    std::optional<QVector<ConexionRegistrada>> conexiones() const;
    // The first record whose trimmed name equals the trimmed `nombre`, case counting.
    std::optional<ConexionRegistrada> buscar(const QString& nombre) const;
    // Appends a record, on a line of its own, each field trimmed; creates the
    // file, readable by its owner only, as the passwords are merely encoded.
    // Raises an error when the file cannot be written.
    void agregar(const ConexionRegistrada& conexion) const;

    // The name of a connection: "EMP01 / SRV1" for "emp01" on "srv1:1433".
    static QString NombreConexion(const QString& dbName, const QString& servidor);
    // The upper-case trimmed server without its port part (from the first ":").
    static QString ServidorSinPuerto(const QString& servidor);

private:
    QString ruta_;
};
