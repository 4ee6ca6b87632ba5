-- The company database: the tables this program reads and writes.
-- Types are declared as on SQL Server; text compares without regard to case.

CREATE TABLE V_TA_UNIDAD (
    IdUnidad    varchar(4)  COLLATE NOCASE NOT NULL PRIMARY KEY,
    Descripcion varchar(50) COLLATE NOCASE
);

CREATE TABLE V_MA_ARTICULOS (
    IdArticulo  varchar(25)  COLLATE NOCASE NOT NULL PRIMARY KEY,
    Descripcion varchar(100) COLLATE NOCASE,
    IdUnidad    varchar(4)   COLLATE NOCASE,
    IdFamilia   varchar(10)  COLLATE NOCASE,
    Precio      money,
    Baja        bit DEFAULT 0,
    Suspendido  bit DEFAULT 0,
    RutaImagen  varchar(255) COLLATE NOCASE
);
CREATE INDEX IX_V_MA_ARTICULOS_IdUnidad ON V_MA_ARTICULOS (IdUnidad);
-- The article lookup and the code search box list by description, leaving
-- suspended articles out; the index gives that order and holds what they read.
CREATE INDEX IX_V_MA_ARTICULOS_Descripcion ON V_MA_ARTICULOS (Descripcion, Suspendido, IdArticulo);
-- The code search box looks for a piece of text anywhere in an article's
-- description or code, which no index in that order finds. This one holds
-- every run of one to three characters of both, folded as LIKE compares
-- them, so that the box reads only the articles holding every run of a typed
-- text. The suite's other programs and an administrator's tools write
-- articles too, without the program's folding: the triggers only note which
-- articles were written, and the program brings the index up to date from
-- that note before it searches. Nothing here needs more than plain SQLite.
CREATE VIRTUAL TABLE V_MA_ARTICULOS_INDICE USING fts5(
    Fragmentos, content = '', detail = 'none', columnsize = 0, tokenize = 'ascii'
);
-- What the index holds of each article, under the index's row number. A
-- contentless index forgets a row only when given back what it took. An
-- article is known by its code, which a VACUUM or a dump and restore keep;
-- Fila, its rowid when it was taken in, finds it sooner while they have not
-- renumbered the table.
CREATE TABLE V_MA_ARTICULOS_INDEXADOS (
    Id          integer PRIMARY KEY,
    Fila        integer,
    IdArticulo  text COLLATE NOCASE NOT NULL,
    Descripcion text COLLATE NOCASE
);
CREATE INDEX IX_V_MA_ARTICULOS_INDEXADOS_IdArticulo ON V_MA_ARTICULOS_INDEXADOS (IdArticulo);
-- The codes of the articles written since the index last caught up, a
-- change of code under both codes.
CREATE TABLE V_MA_ARTICULOS_CAMBIOS (
    Id         integer PRIMARY KEY,
    IdArticulo text
);
CREATE TRIGGER V_MA_ARTICULOS_CAMBIOS_ALTA AFTER INSERT ON V_MA_ARTICULOS BEGIN
    INSERT INTO V_MA_ARTICULOS_CAMBIOS (IdArticulo) VALUES (new.IdArticulo);
END;
CREATE TRIGGER V_MA_ARTICULOS_CAMBIOS_BAJA AFTER DELETE ON V_MA_ARTICULOS BEGIN
    INSERT INTO V_MA_ARTICULOS_CAMBIOS (IdArticulo) VALUES (old.IdArticulo);
END;
CREATE TRIGGER V_MA_ARTICULOS_CAMBIOS_CAMBIO AFTER UPDATE OF IdArticulo, Descripcion ON V_MA_ARTICULOS BEGIN
    INSERT INTO V_MA_ARTICULOS_CAMBIOS (IdArticulo) VALUES (old.IdArticulo), (new.IdArticulo);
END;

CREATE VIEW VT_MA_ARTICULOS AS
    SELECT IdArticulo, Descripcion, IdUnidad, IdFamilia, Precio, Baja, Suspendido, RutaImagen FROM V_MA_ARTICULOS;

CREATE TABLE S_TA_EQUIV (
    ID             integer PRIMARY KEY AUTOINCREMENT,
    IDARTICULO     varchar(25) COLLATE NOCASE NOT NULL,
    IDUNIDAD       varchar(4)  COLLATE NOCASE NOT NULL,
    IDUNIDAD_EQUIV varchar(4)  COLLATE NOCASE NOT NULL,
    COEFICIENTE    numeric(18,6),
    PARATODOS      smallint,
    CONSTRAINT UQ_S_TA_EQUIV UNIQUE (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV)
);

CREATE TABLE TA_USUARIOS (
    NOMBRE        varchar(50)  COLLATE NOCASE NOT NULL,
    SISTEMA       varchar(10)  COLLATE NOCASE NOT NULL,
    Password      varchar(100) COLLATE NOCASE,
    Administrador smallint DEFAULT 0,
    UNegocio      varchar(4)   COLLATE NOCASE,
    verproforma   bit DEFAULT 0,
    CLASEPUSA     varchar(100) COLLATE NOCASE,
    PRIMARY KEY (NOMBRE, SISTEMA)
);

CREATE TABLE TA_MENU (
    Clave   varchar(20)  COLLATE NOCASE NOT NULL PRIMARY KEY,
    Nombre  varchar(100) COLLATE NOCASE,
    Proceso varchar(255) COLLATE NOCASE
);

CREATE TABLE TA_TAREAS (
    USUARIO varchar(50) COLLATE NOCASE NOT NULL,
    TAREA   varchar(20) COLLATE NOCASE NOT NULL,
    PRIMARY KEY (USUARIO, TAREA)
);

CREATE TABLE Control_Acceso (
    ID            integer PRIMARY KEY AUTOINCREMENT,
    Maquina       varchar(50)  COLLATE NOCASE,
    Usuario       varchar(50)  COLLATE NOCASE,
    Formulario    varchar(100) COLLATE NOCASE,
    Tarea         varchar(100) COLLATE NOCASE,
    Ingreso       varchar(20)  COLLATE NOCASE,
    NombreUsuario varchar(50)  COLLATE NOCASE
);

CREATE TABLE AUX_ERR (
    ID          integer PRIMARY KEY AUTOINCREMENT,
    Proceso     varchar(255) COLLATE NOCASE,
    fecha       varchar(20)  COLLATE NOCASE,
    Error       int,
    Descripcion varchar(250) COLLATE NOCASE,
    sql         text         COLLATE NOCASE,
    PC          varchar(50)  COLLATE NOCASE,
    Usuario     varchar(50)  COLLATE NOCASE
);

CREATE TABLE V_MV_CPTEACCIONES (
    ID            integer PRIMARY KEY AUTOINCREMENT,
    TC            varchar(4)   COLLATE NOCASE,
    IdComprobante varchar(25)  COLLATE NOCASE,
    IdComplemento int,
    Tipo_accion   varchar(2)   COLLATE NOCASE,
    FECHAHORA     datetime,
    Usuario       varchar(50)  COLLATE NOCASE,
    PC            varchar(50)  COLLATE NOCASE,
    SYSTEMUSER    varchar(255) COLLATE NOCASE,
    Proceso       varchar(255) COLLATE NOCASE,
    ProcesoLote   varchar(25)  COLLATE NOCASE,
    Cuenta        varchar(15)  COLLATE NOCASE
);

CREATE TABLE V_TA_UNIDADNEGOCIO (
    Codigo       varchar(4)   COLLATE NOCASE NOT NULL PRIMARY KEY,
    Descripcion  varchar(100) COLLATE NOCASE,
    razon_social varchar(100) COLLATE NOCASE,
    Cuit         varchar(20)  COLLATE NOCASE,
    PDV          varchar(4)   COLLATE NOCASE
);

-- Points of sale that receive copies of master rows.
CREATE TABLE V_TA_TPV (
    CODIGO              varchar(4)   COLLATE NOCASE NOT NULL PRIMARY KEY,
    Descripcion         varchar(50)  COLLATE NOCASE,
    Server              varchar(100) COLLATE NOCASE,
    Dbname              varchar(100) COLLATE NOCASE,
    Usuario             varchar(50)  COLLATE NOCASE,
    Password            varchar(100) COLLATE NOCASE,
    INTERNET            bit DEFAULT 0,
    BAJA                bit DEFAULT 0,
    CONECTADO           bit DEFAULT 0,
    ULTIMA_DETECCION    datetime,
    PEND_CLIENTES       bit DEFAULT 0,
    PEND_PROVEEDORES    bit DEFAULT 0,
    PEND_TABLAS         bit DEFAULT 0,
    PEND_ARTICULOS      bit DEFAULT 0,
    PEND_PRECIOS        bit DEFAULT 0,
    OL_ExceptoArticulos bit,
    OL_ExceptoPrecios   bit,
    OL_ExceptoCuentas   bit,
    OL_ExceptoTablas    bit
);

-- The findings of the last consistency check of the equivalences, as the
-- window lists and exports them; each check replaces them.
CREATE TABLE VERIFICACION_EQUIVALENCIAS (
    ID           int PRIMARY KEY,
    ARTICULO     varchar(25)  COLLATE NOCASE,
    UNIDADES     varchar(25)  COLLATE NOCASE,
    COEFICIENTES varchar(36)  COLLATE NOCASE,
    PROBLEMA     varchar(250) COLLATE NOCASE
);

-- Copies to points of sale and to the group database that could not be made
-- yet, tried again in ID order until they go through. CODIGO_TPV is empty for
-- the group database; the keys and condition are the request's, in SQL form.
CREATE TABLE REPLICA_PENDIENTES (
    ID           integer PRIMARY KEY AUTOINCREMENT,
    DESTINO      varchar(10)   COLLATE NOCASE NOT NULL,
    CODIGO_TPV   varchar(4)    COLLATE NOCASE NOT NULL,
    TABLA        varchar(100)  COLLATE NOCASE NOT NULL,
    CLAVE1       varchar(255)  COLLATE NOCASE NOT NULL,
    CLAVE2       varchar(255)  COLLATE NOCASE NOT NULL,
    CLAVE3       varchar(255)  COLLATE NOCASE NOT NULL,
    CLAVE4       varchar(255)  COLLATE NOCASE NOT NULL,
    CLAVE5       varchar(255)  COLLATE NOCASE NOT NULL,
    CLAVE6       varchar(255)  COLLATE NOCASE NOT NULL,
    CONDICION    varchar(1000) COLLATE NOCASE NOT NULL,
    OPERACION    smallint,
    FECHA        datetime,
    ULTIMO_ERROR varchar(250)  COLLATE NOCASE,
    INTENTOS     int DEFAULT 0
);

-- Tables and views the lookups read: the catalogue's tables, each with its code
-- and description columns, and the restricted views of users who are not
-- administrators.

CREATE TABLE V_TA_PERCEPCION (
    IdPercepcion varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion  varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdPercepcion)
);

CREATE TABLE V_TA_RETENCIONES (
    IdRetencion varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdRetencion)
);

CREATE TABLE V_TA_POLITICAPRECIOS (
    Codigo      varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (Codigo)
);

CREATE TABLE V_TA_CATEGORIAARTICULO (
    IdCategoria varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdCategoria)
);

CREATE TABLE V_TA_CAJAS (
    IdCajas     varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdCajas)
);

CREATE TABLE V_TA_BANCOS (
    IdBanco     varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdBanco)
);

CREATE TABLE V_TA_MOTIVOVTA (
    IdMotivoVta varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdMotivoVta)
);

CREATE TABLE V_TA_MOTIVOCPRA (
    IdMotivoCpra varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion  varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdMotivoCpra)
);

CREATE TABLE V_TA_TECNICOS (
    IdTecnico varchar(10) COLLATE NOCASE NOT NULL,
    Nombre    varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdTecnico)
);

CREATE TABLE V_TA_TAREAS (
    IdTarea     varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdTarea)
);

CREATE TABLE V_TA_TIPOARTICULO (
    IdTipo      varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdTipo)
);

CREATE TABLE V_TA_RUBROS (
    IdRubro     varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdRubro)
);

CREATE TABLE V_TA_MOTIVOSTOCK (
    IdMotivoStock varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion   varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdMotivoStock)
);

CREATE TABLE V_TA_CPRA_VTA (
    IdCond_Cpra_Vta varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion     varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdCond_Cpra_Vta)
);

CREATE TABLE V_TA_CATEGORIA (
    IdCategoria varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdCategoria)
);

CREATE TABLE V_TA_DESTINO (
    IdDestino   varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdDestino)
);

CREATE TABLE V_TA_ORIGEN (
    IdOrigen    varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdOrigen)
);

CREATE TABLE P_TA_NIVELESTUDIO (
    IdNivelEstudio varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion    varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdNivelEstudio)
);

CREATE TABLE P_TA_CONOCIMIENTOS (
    IdConocimiento varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion    varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdConocimiento)
);

CREATE TABLE P_TA_CATEGORIZACION (
    IdCategorizacion varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion      varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdCategorizacion)
);

CREATE TABLE P_TA_CENTROMEDICO (
    IdCentroMedico varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion    varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdCentroMedico)
);

CREATE TABLE P_TA_FORMASDEPAGO (
    IdFormasDePago varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion    varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdFormasDePago)
);

CREATE TABLE P_MA_EMPRESAS (
    IdEmpresa     varchar(10) COLLATE NOCASE NOT NULL,
    NombreEmpresa varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdEmpresa)
);

CREATE TABLE P_TA_ZONARESIDENCIA (
    IdZonaResidencia varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion      varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdZonaResidencia)
);

CREATE TABLE P_TA_OBRASOCIAL (
    IdObraSocial varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion  varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdObraSocial)
);

CREATE TABLE P_TA_MOTIVOEGRESO (
    IdMotivoEgreso varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion    varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdMotivoEgreso)
);

CREATE TABLE P_TA_GRUPOS (
    IdGrupo     varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdGrupo)
);

CREATE TABLE P_TA_ESTADOBUSQUEDA (
    IdEstadoBusqueda varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion      varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdEstadoBusqueda)
);

CREATE TABLE P_TA_AREAS (
    IdAreas     varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdAreas)
);

CREATE TABLE P_TA_IDIOMAS (
    IdIdioma    varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdIdioma)
);

CREATE TABLE P_TA_TITULOS (
    IdTitulo    varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdTitulo)
);

CREATE TABLE P_TA_ESTADOPOSTULANTE (
    IdEstadoPostulante varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion        varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdEstadoPostulante)
);

CREATE TABLE P_TA_PARENTESCO (
    IdParentesco varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion  varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdParentesco)
);

CREATE TABLE P_TA_ESTADOCIVIL (
    IdEstadoCivil varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion   varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdEstadoCivil)
);

CREATE TABLE P_SINDICATOS (
    IdSindicato varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdSindicato)
);

CREATE TABLE P_TA_FUNCIONES (
    IdFunciones varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdFunciones)
);

CREATE TABLE TA_CATEGORIA (
    IdCategoria varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdCategoria)
);

CREATE TABLE TA_DEPOSITO (
    IdDeposito  varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdDeposito)
);

CREATE TABLE TA_MOTIVOSTOCK (
    IdMotivoStock varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion   varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdMotivoStock)
);

CREATE TABLE TA_TIPOARTICULO (
    IdTipo      varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdTipo)
);

CREATE TABLE TA_RUBROS (
    IdRubro     varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdRubro)
);

CREATE TABLE TA_CPTE (
    Codigo      varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (Codigo)
);

CREATE TABLE TA_CCOSTO (
    Codigo      varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (Codigo)
);

CREATE TABLE P_MA_CLIENTES (
    IdCliente    varchar(10) COLLATE NOCASE NOT NULL,
    Razon_Social varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdCliente)
);

CREATE TABLE V_TA_VENDEDORES (
    IdVendedor varchar(10) COLLATE NOCASE NOT NULL,
    Nombre     varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdVendedor)
);

CREATE TABLE MV_EJERCICIOS (
    Periodo     varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (Periodo)
);

CREATE TABLE V_MA_MANTENIMIENTOS (
    Codigo      varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (Codigo)
);

CREATE TABLE MA_CUENTAS (
    Codigo      varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (Codigo)
);

CREATE TABLE MA_POSICIONES (
    IdPosicion  varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdPosicion)
);

CREATE TABLE V_MA_EMAIL (
    Evento      varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (Evento)
);

CREATE TABLE V_TA_FAMILIAS (
    IdFamilia   varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion varchar(100) COLLATE NOCASE,
    PRIMARY KEY (IdFamilia)
);

CREATE TABLE V_TA_DEPOSITO (
    IdDeposito  varchar(4) COLLATE NOCASE NOT NULL,
    Descripcion varchar(50) COLLATE NOCASE,
    Unidad      varchar(4) COLLATE NOCASE,
    PRIMARY KEY (IdDeposito)
);

CREATE TABLE V_TA_STATUS (
    CodigoEstado varchar(10) COLLATE NOCASE NOT NULL,
    Descripcion  varchar(50) COLLATE NOCASE,
    Tipo         varchar(10) COLLATE NOCASE,
    PRIMARY KEY (CodigoEstado)
);

CREATE TABLE V_MA_PRECIOS (
    IdArticulo varchar(25) COLLATE NOCASE NOT NULL,
    IdLista    varchar(4) COLLATE NOCASE NOT NULL,
    Precio     money,
    PRIMARY KEY (IdArticulo, IdLista)
);

CREATE TABLE STK_STOCK (
    IdArticulo  varchar(25) COLLATE NOCASE NOT NULL,
    Deposito    varchar(4) COLLATE NOCASE NOT NULL,
    Stock       money,
    PuntoPedido money,
    PRIMARY KEY (IdArticulo, Deposito)
);

CREATE TABLE V_MV_FALTANTES (
    ID          integer PRIMARY KEY AUTOINCREMENT,
    FechaHora   datetime,
    IdArticulo  varchar(25) COLLATE NOCASE,
    Descripcion varchar(100) COLLATE NOCASE,
    Usuario     varchar(50) COLLATE NOCASE
);

CREATE TABLE MA_CLIENTES (
    Codigo           varchar(4) COLLATE NOCASE NOT NULL,
    Razon_Social     varchar(100) COLLATE NOCASE,
    Codigo_Sucursal  varchar(6) COLLATE NOCASE,
    Contacto         varchar(100) COLLATE NOCASE,
    Numero_Documento varchar(20) COLLATE NOCASE,
    Dada_De_Baja     bit DEFAULT 0,
    PRIMARY KEY (Codigo)
);

CREATE TABLE MA_PROVEEDORES (
    Codigo       varchar(4) COLLATE NOCASE NOT NULL,
    Razon_Social varchar(100) COLLATE NOCASE,
    Dada_De_Baja bit DEFAULT 0,
    PRIMARY KEY (Codigo)
);

CREATE TABLE MA_CONTACTOS (
    IdContacto        integer PRIMARY KEY AUTOINCREMENT,
    Codigo            varchar(10) COLLATE NOCASE,
    Razon_Social      varchar(100) COLLATE NOCASE,
    Nombre_y_Apellido varchar(100) COLLATE NOCASE,
    Domicilio         varchar(100) COLLATE NOCASE,
    Localidad         varchar(50) COLLATE NOCASE,
    Telefono          varchar(30) COLLATE NOCASE
);

CREATE TABLE V_MV_COTIZAR (
    ID                integer PRIMARY KEY AUTOINCREMENT,
    IdArticulo        varchar(25) COLLATE NOCASE,
    Cot_Observaciones varchar(255) COLLATE NOCASE
);

CREATE TABLE MA_MODELOS (
    Nombre varchar(50) COLLATE NOCASE NOT NULL,
    PRIMARY KEY (Nombre)
);

CREATE TABLE MA_CHOFERES (
    Codigo   varchar(10) COLLATE NOCASE NOT NULL,
    Apellido varchar(50) COLLATE NOCASE,
    Nombres  varchar(50) COLLATE NOCASE,
    PRIMARY KEY (Codigo)
);

CREATE TABLE MA_DESTINATARIOS (
    Cliente   varchar(4) COLLATE NOCASE NOT NULL,
    Codigo    varchar(16) COLLATE NOCASE NOT NULL,
    Sucursal  varchar(6) COLLATE NOCASE NOT NULL,
    Nombre    varchar(100) COLLATE NOCASE,
    Domicilio varchar(100) COLLATE NOCASE,
    PRIMARY KEY (Cliente, Codigo, Sucursal)
);

CREATE TABLE MA_VEHICULOS (
    Patente       varchar(10) COLLATE NOCASE NOT NULL,
    Tipo_Vehiculo varchar(30) COLLATE NOCASE,
    Modelo        varchar(50) COLLATE NOCASE,
    Tipo          varchar(30) COLLATE NOCASE,
    PRIMARY KEY (Patente)
);

CREATE TABLE TA_CODIGOSPOSTALES (
    cp        varchar(10) COLLATE NOCASE NOT NULL,
    Localidad varchar(50) COLLATE NOCASE,
    PRIMARY KEY (cp)
);

CREATE TABLE VT_MAPINFO_CALLES (
    Street varchar(100) COLLATE NOCASE NOT NULL,
    PRIMARY KEY (Street)
);

CREATE TABLE MAPINFO_LOCALIDADES (
    Localidad  varchar(50) COLLATE NOCASE NOT NULL,
    Partido    varchar(50) COLLATE NOCASE NOT NULL,
    Cod_Postal varchar(10) COLLATE NOCASE,
    PRIMARY KEY (Localidad, Partido)
);

CREATE TABLE V_MV_TROPA (
    id           integer PRIMARY KEY AUTOINCREMENT,
    FechaDte     datetime,
    Dte          varchar(20) COLLATE NOCASE,
    IdTropa      varchar(10) COLLATE NOCASE,
    Patente      varchar(10) COLLATE NOCASE,
    Chofer       varchar(50) COLLATE NOCASE,
    NroGuia      varchar(20) COLLATE NOCASE,
    CuitVendedor varchar(20) COLLATE NOCASE
);

CREATE TABLE V_MV_TROPA_STOCK (
    id         integer PRIMARY KEY AUTOINCREMENT,
    idTropa    varchar(10) COLLATE NOCASE,
    categoria  varchar(20) COLLATE NOCASE,
    secuencia  int,
    lado       varchar(10) COLLATE NOCASE,
    kg         numeric(18,3),
    comprador  varchar(50) COLLATE NOCASE,
    fecha      datetime,
    idPlanilla varchar(10) COLLATE NOCASE
);

CREATE TABLE V_MV_MUTUALES (
    ID          integer PRIMARY KEY AUTOINCREMENT,
    Descripcion varchar(50) COLLATE NOCASE
);

CREATE VIEW VT_TA_CPTE AS
    SELECT Codigo, Descripcion FROM TA_CPTE;

CREATE VIEW VT_CLIENTES AS
    SELECT Codigo, Razon_Social, Codigo_Sucursal, Contacto, Numero_Documento, Dada_De_Baja FROM MA_CLIENTES;

CREATE VIEW VT_CLIENTESVS AS
    SELECT Codigo, Razon_Social, Codigo_Sucursal, Contacto, Numero_Documento, Dada_De_Baja FROM MA_CLIENTES;

CREATE VIEW VT_PROVEEDORES AS
    SELECT Codigo, Razon_Social, Dada_De_Baja FROM MA_PROVEEDORES;

CREATE VIEW MA_ARTICULOS AS
    SELECT IdArticulo, Descripcion, IdUnidad, IdFamilia, Precio, Baja, Suspendido, RutaImagen FROM V_MA_ARTICULOS;

CREATE VIEW STK_MA_ARTICULOS AS
    SELECT a.IdArticulo, a.Descripcion, a.IdUnidad, a.IdFamilia, a.Precio, a.Suspendido, a.RutaImagen,
           s.Deposito, s.Stock, s.PuntoPedido
    FROM V_MA_ARTICULOS a INNER JOIN STK_STOCK s ON s.IdArticulo = a.IdArticulo;

CREATE VIEW SS_V_TA_FAMILIAS AS
    SELECT IdFamilia, Descripcion FROM V_TA_FAMILIAS;

CREATE VIEW SS_V_TA_DEPOSITO AS
    SELECT IdDeposito, Descripcion, Unidad FROM V_TA_DEPOSITO;

CREATE VIEW SS_V_TA_CAJAS AS
    SELECT IdCajas, Descripcion FROM V_TA_CAJAS;

CREATE VIEW SS_MA_CUENTAS AS
    SELECT Codigo, Descripcion FROM MA_CUENTAS;
