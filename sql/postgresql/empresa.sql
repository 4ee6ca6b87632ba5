-- The company database: the tables this program reads and writes.
-- Types follow SQL Server's (bit as smallint 0/1, datetime as timestamp, money as
-- numeric); text compares without regard to case through the collation ci.

CREATE TABLE V_TA_UNIDAD (
    IdUnidad    varchar(4)  COLLATE ci NOT NULL PRIMARY KEY,
    Descripcion varchar(50) COLLATE ci
);

CREATE TABLE V_MA_ARTICULOS (
    IdArticulo  varchar(25)  COLLATE ci NOT NULL PRIMARY KEY,
    Descripcion varchar(100) COLLATE ci,
    IdUnidad    varchar(4)   COLLATE ci,
    IdFamilia   varchar(10)  COLLATE ci,
    Precio      numeric(19,4),
    Baja        smallint DEFAULT 0,
    Suspendido  smallint DEFAULT 0,
    RutaImagen  varchar(255) COLLATE ci
);
CREATE INDEX IX_V_MA_ARTICULOS_IdUnidad ON V_MA_ARTICULOS (IdUnidad);
-- The article lookup and the code search box list by description, leaving
-- suspended articles out; the index gives that order and holds what they read.
CREATE INDEX IX_V_MA_ARTICULOS_Descripcion ON V_MA_ARTICULOS (Descripcion, Suspendido, IdArticulo);
-- They also look for a text anywhere in the description or the code: trigram
-- indexes (pg_trgm, shipped with PostgreSQL) of both, folded as LIKE compares,
-- lead them to the articles that may hold it. Without the extension, or the
-- right to create it, the searches read the whole table instead.
DO $$
BEGIN
    CREATE EXTENSION IF NOT EXISTS pg_trgm;
    CREATE INDEX IF NOT EXISTS IX_V_MA_ARTICULOS_Descripcion_Trigramas ON V_MA_ARTICULOS
        USING gin (tsql_like_fold(Descripcion) COLLATE "C" gin_trgm_ops);
    CREATE INDEX IF NOT EXISTS IX_V_MA_ARTICULOS_IdArticulo_Trigramas ON V_MA_ARTICULOS
        USING gin (tsql_like_fold(IdArticulo) COLLATE "C" gin_trgm_ops);
EXCEPTION WHEN OTHERS THEN
    RAISE NOTICE 'Búsquedas de artículos sin índices de trigramas: %', SQLERRM;
END $$;

CREATE VIEW VT_MA_ARTICULOS AS
    SELECT IdArticulo, Descripcion, IdUnidad, IdFamilia, Precio, Baja, Suspendido, RutaImagen FROM V_MA_ARTICULOS;

CREATE TABLE S_TA_EQUIV (
    ID             serial PRIMARY KEY,
    IDARTICULO     varchar(25) COLLATE ci NOT NULL,
    IDUNIDAD       varchar(4)  COLLATE ci NOT NULL,
    IDUNIDAD_EQUIV varchar(4)  COLLATE ci NOT NULL,
    COEFICIENTE    numeric(18,6),
    PARATODOS      smallint,
    CONSTRAINT UQ_S_TA_EQUIV UNIQUE (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV)
);

CREATE TABLE TA_USUARIOS (
    NOMBRE        varchar(50)  COLLATE ci NOT NULL,
    SISTEMA       varchar(10)  COLLATE ci NOT NULL,
    Password      varchar(100) COLLATE ci,
    Administrador smallint DEFAULT 0,
    UNegocio      varchar(4)   COLLATE ci,
    verproforma   smallint DEFAULT 0,
    CLASEPUSA     varchar(100) COLLATE ci,
    PRIMARY KEY (NOMBRE, SISTEMA)
);

CREATE TABLE TA_MENU (
    Clave   varchar(20)  COLLATE ci NOT NULL PRIMARY KEY,
    Nombre  varchar(100) COLLATE ci,
    Proceso varchar(255) COLLATE ci
);

CREATE TABLE TA_TAREAS (
    USUARIO varchar(50) COLLATE ci NOT NULL,
    TAREA   varchar(20) COLLATE ci NOT NULL,
    PRIMARY KEY (USUARIO, TAREA)
);

CREATE TABLE Control_Acceso (
    ID            serial PRIMARY KEY,
    Maquina       varchar(50)  COLLATE ci,
    Usuario       varchar(50)  COLLATE ci,
    Formulario    varchar(100) COLLATE ci,
    Tarea         varchar(100) COLLATE ci,
    Ingreso       varchar(20)  COLLATE ci,
    NombreUsuario varchar(50)  COLLATE ci
);

CREATE TABLE AUX_ERR (
    ID          serial PRIMARY KEY,
    Proceso     varchar(255) COLLATE ci,
    fecha       varchar(20)  COLLATE ci,
    Error       int,
    Descripcion varchar(250) COLLATE ci,
    sql         text         COLLATE ci,
    PC          varchar(50)  COLLATE ci,
    Usuario     varchar(50)  COLLATE ci
);

CREATE TABLE V_MV_CPTEACCIONES (
    ID            serial PRIMARY KEY,
    TC            varchar(4)   COLLATE ci,
    IdComprobante varchar(25)  COLLATE ci,
    IdComplemento int,
    Tipo_accion   varchar(2)   COLLATE ci,
    FECHAHORA     timestamp,
    Usuario       varchar(50)  COLLATE ci,
    PC            varchar(50)  COLLATE ci,
    SYSTEMUSER    varchar(255) COLLATE ci,
    Proceso       varchar(255) COLLATE ci,
    ProcesoLote   varchar(25)  COLLATE ci,
    Cuenta        varchar(15)  COLLATE ci
);

CREATE TABLE V_TA_UNIDADNEGOCIO (
    Codigo       varchar(4)   COLLATE ci NOT NULL PRIMARY KEY,
    Descripcion  varchar(100) COLLATE ci,
    razon_social varchar(100) COLLATE ci,
    Cuit         varchar(20)  COLLATE ci,
    PDV          varchar(4)   COLLATE ci
);

-- Points of sale that receive copies of master rows.
CREATE TABLE V_TA_TPV (
    CODIGO              varchar(4)   COLLATE ci NOT NULL PRIMARY KEY,
    Descripcion         varchar(50)  COLLATE ci,
    Server              varchar(100) COLLATE ci,
    Dbname              varchar(100) COLLATE ci,
    Usuario             varchar(50)  COLLATE ci,
    Password            varchar(100) COLLATE ci,
    INTERNET            smallint DEFAULT 0,
    BAJA                smallint DEFAULT 0,
    CONECTADO           smallint DEFAULT 0,
    ULTIMA_DETECCION    timestamp,
    PEND_CLIENTES       smallint DEFAULT 0,
    PEND_PROVEEDORES    smallint DEFAULT 0,
    PEND_TABLAS         smallint DEFAULT 0,
    PEND_ARTICULOS      smallint DEFAULT 0,
    PEND_PRECIOS        smallint DEFAULT 0,
    OL_ExceptoArticulos smallint,
    OL_ExceptoPrecios   smallint,
    OL_ExceptoCuentas   smallint,
    OL_ExceptoTablas    smallint
);

-- The findings of the last consistency check of the equivalences, as the
-- window lists and exports them; each check replaces them.
CREATE TABLE VERIFICACION_EQUIVALENCIAS (
    ID           int PRIMARY KEY,
    ARTICULO     varchar(25)  COLLATE ci,
    UNIDADES     varchar(25)  COLLATE ci,
    COEFICIENTES varchar(36)  COLLATE ci,
    PROBLEMA     varchar(250) COLLATE ci
);

-- Copies to points of sale and to the group database that could not be made
-- yet, tried again in ID order until they go through. CODIGO_TPV is empty for
-- the group database; the keys and condition are the request's, in SQL form.
CREATE TABLE REPLICA_PENDIENTES (
    ID           serial PRIMARY KEY,
    DESTINO      varchar(10)   COLLATE ci NOT NULL,
    CODIGO_TPV   varchar(4)    COLLATE ci NOT NULL,
    TABLA        varchar(100)  COLLATE ci NOT NULL,
    CLAVE1       varchar(255)  COLLATE ci NOT NULL,
    CLAVE2       varchar(255)  COLLATE ci NOT NULL,
    CLAVE3       varchar(255)  COLLATE ci NOT NULL,
    CLAVE4       varchar(255)  COLLATE ci NOT NULL,
    CLAVE5       varchar(255)  COLLATE ci NOT NULL,
    CLAVE6       varchar(255)  COLLATE ci NOT NULL,
    CONDICION    varchar(1000) COLLATE ci NOT NULL,
    OPERACION    smallint,
    FECHA        timestamp,
    ULTIMO_ERROR varchar(250)  COLLATE ci,
    INTENTOS     integer DEFAULT 0
);

-- Tables and views the lookups read: the catalogue's tables, each with its code
-- and description columns, and the restricted views of users who are not
-- administrators.

CREATE TABLE V_TA_PERCEPCION (
    IdPercepcion varchar(10) COLLATE ci NOT NULL,
    Descripcion  varchar(100) COLLATE ci,
    PRIMARY KEY (IdPercepcion)
);

CREATE TABLE V_TA_RETENCIONES (
    IdRetencion varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdRetencion)
);

CREATE TABLE V_TA_POLITICAPRECIOS (
    Codigo      varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (Codigo)
);

CREATE TABLE V_TA_CATEGORIAARTICULO (
    IdCategoria varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdCategoria)
);

CREATE TABLE V_TA_CAJAS (
    IdCajas     varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdCajas)
);

CREATE TABLE V_TA_BANCOS (
    IdBanco     varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdBanco)
);

CREATE TABLE V_TA_MOTIVOVTA (
    IdMotivoVta varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdMotivoVta)
);

CREATE TABLE V_TA_MOTIVOCPRA (
    IdMotivoCpra varchar(10) COLLATE ci NOT NULL,
    Descripcion  varchar(100) COLLATE ci,
    PRIMARY KEY (IdMotivoCpra)
);

CREATE TABLE V_TA_TECNICOS (
    IdTecnico varchar(10) COLLATE ci NOT NULL,
    Nombre    varchar(100) COLLATE ci,
    PRIMARY KEY (IdTecnico)
);

CREATE TABLE V_TA_TAREAS (
    IdTarea     varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdTarea)
);

CREATE TABLE V_TA_TIPOARTICULO (
    IdTipo      varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdTipo)
);

CREATE TABLE V_TA_RUBROS (
    IdRubro     varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdRubro)
);

CREATE TABLE V_TA_MOTIVOSTOCK (
    IdMotivoStock varchar(10) COLLATE ci NOT NULL,
    Descripcion   varchar(100) COLLATE ci,
    PRIMARY KEY (IdMotivoStock)
);

CREATE TABLE V_TA_CPRA_VTA (
    IdCond_Cpra_Vta varchar(10) COLLATE ci NOT NULL,
    Descripcion     varchar(100) COLLATE ci,
    PRIMARY KEY (IdCond_Cpra_Vta)
);

CREATE TABLE V_TA_CATEGORIA (
    IdCategoria varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdCategoria)
);

CREATE TABLE V_TA_DESTINO (
    IdDestino   varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdDestino)
);

CREATE TABLE V_TA_ORIGEN (
    IdOrigen    varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdOrigen)
);

CREATE TABLE P_TA_NIVELESTUDIO (
    IdNivelEstudio varchar(10) COLLATE ci NOT NULL,
    Descripcion    varchar(100) COLLATE ci,
    PRIMARY KEY (IdNivelEstudio)
);

CREATE TABLE P_TA_CONOCIMIENTOS (
    IdConocimiento varchar(10) COLLATE ci NOT NULL,
    Descripcion    varchar(100) COLLATE ci,
    PRIMARY KEY (IdConocimiento)
);

CREATE TABLE P_TA_CATEGORIZACION (
    IdCategorizacion varchar(10) COLLATE ci NOT NULL,
    Descripcion      varchar(100) COLLATE ci,
    PRIMARY KEY (IdCategorizacion)
);

CREATE TABLE P_TA_CENTROMEDICO (
    IdCentroMedico varchar(10) COLLATE ci NOT NULL,
    Descripcion    varchar(100) COLLATE ci,
    PRIMARY KEY (IdCentroMedico)
);

CREATE TABLE P_TA_FORMASDEPAGO (
    IdFormasDePago varchar(10) COLLATE ci NOT NULL,
    Descripcion    varchar(100) COLLATE ci,
    PRIMARY KEY (IdFormasDePago)
);

CREATE TABLE P_MA_EMPRESAS (
    IdEmpresa     varchar(10) COLLATE ci NOT NULL,
    NombreEmpresa varchar(100) COLLATE ci,
    PRIMARY KEY (IdEmpresa)
);

CREATE TABLE P_TA_ZONARESIDENCIA (
    IdZonaResidencia varchar(10) COLLATE ci NOT NULL,
    Descripcion      varchar(100) COLLATE ci,
    PRIMARY KEY (IdZonaResidencia)
);

CREATE TABLE P_TA_OBRASOCIAL (
    IdObraSocial varchar(10) COLLATE ci NOT NULL,
    Descripcion  varchar(100) COLLATE ci,
    PRIMARY KEY (IdObraSocial)
);

CREATE TABLE P_TA_MOTIVOEGRESO (
    IdMotivoEgreso varchar(10) COLLATE ci NOT NULL,
    Descripcion    varchar(100) COLLATE ci,
    PRIMARY KEY (IdMotivoEgreso)
);

CREATE TABLE P_TA_GRUPOS (
    IdGrupo     varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdGrupo)
);

CREATE TABLE P_TA_ESTADOBUSQUEDA (
    IdEstadoBusqueda varchar(10) COLLATE ci NOT NULL,
    Descripcion      varchar(100) COLLATE ci,
    PRIMARY KEY (IdEstadoBusqueda)
);

CREATE TABLE P_TA_AREAS (
    IdAreas     varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdAreas)
);

CREATE TABLE P_TA_IDIOMAS (
    IdIdioma    varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdIdioma)
);

CREATE TABLE P_TA_TITULOS (
    IdTitulo    varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdTitulo)
);

CREATE TABLE P_TA_ESTADOPOSTULANTE (
    IdEstadoPostulante varchar(10) COLLATE ci NOT NULL,
    Descripcion        varchar(100) COLLATE ci,
    PRIMARY KEY (IdEstadoPostulante)
);

CREATE TABLE P_TA_PARENTESCO (
    IdParentesco varchar(10) COLLATE ci NOT NULL,
    Descripcion  varchar(100) COLLATE ci,
    PRIMARY KEY (IdParentesco)
);

CREATE TABLE P_TA_ESTADOCIVIL (
    IdEstadoCivil varchar(10) COLLATE ci NOT NULL,
    Descripcion   varchar(100) COLLATE ci,
    PRIMARY KEY (IdEstadoCivil)
);

CREATE TABLE P_SINDICATOS (
    IdSindicato varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdSindicato)
);

CREATE TABLE P_TA_FUNCIONES (
    IdFunciones varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdFunciones)
);

CREATE TABLE TA_CATEGORIA (
    IdCategoria varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdCategoria)
);

CREATE TABLE TA_DEPOSITO (
    IdDeposito  varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdDeposito)
);

CREATE TABLE TA_MOTIVOSTOCK (
    IdMotivoStock varchar(10) COLLATE ci NOT NULL,
    Descripcion   varchar(100) COLLATE ci,
    PRIMARY KEY (IdMotivoStock)
);

CREATE TABLE TA_TIPOARTICULO (
    IdTipo      varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdTipo)
);

CREATE TABLE TA_RUBROS (
    IdRubro     varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdRubro)
);

CREATE TABLE TA_CPTE (
    Codigo      varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (Codigo)
);

CREATE TABLE TA_CCOSTO (
    Codigo      varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (Codigo)
);

CREATE TABLE P_MA_CLIENTES (
    IdCliente    varchar(10) COLLATE ci NOT NULL,
    Razon_Social varchar(100) COLLATE ci,
    PRIMARY KEY (IdCliente)
);

CREATE TABLE V_TA_VENDEDORES (
    IdVendedor varchar(10) COLLATE ci NOT NULL,
    Nombre     varchar(100) COLLATE ci,
    PRIMARY KEY (IdVendedor)
);

CREATE TABLE MV_EJERCICIOS (
    Periodo     varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (Periodo)
);

CREATE TABLE V_MA_MANTENIMIENTOS (
    Codigo      varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (Codigo)
);

CREATE TABLE MA_CUENTAS (
    Codigo      varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (Codigo)
);

CREATE TABLE MA_POSICIONES (
    IdPosicion  varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdPosicion)
);

CREATE TABLE V_MA_EMAIL (
    Evento      varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (Evento)
);

CREATE TABLE V_TA_FAMILIAS (
    IdFamilia   varchar(10) COLLATE ci NOT NULL,
    Descripcion varchar(100) COLLATE ci,
    PRIMARY KEY (IdFamilia)
);

CREATE TABLE V_TA_DEPOSITO (
    IdDeposito  varchar(4) COLLATE ci NOT NULL,
    Descripcion varchar(50) COLLATE ci,
    Unidad      varchar(4) COLLATE ci,
    PRIMARY KEY (IdDeposito)
);

CREATE TABLE V_TA_STATUS (
    CodigoEstado varchar(10) COLLATE ci NOT NULL,
    Descripcion  varchar(50) COLLATE ci,
    Tipo         varchar(10) COLLATE ci,
    PRIMARY KEY (CodigoEstado)
);

CREATE TABLE V_MA_PRECIOS (
    IdArticulo varchar(25) COLLATE ci NOT NULL,
    IdLista    varchar(4) COLLATE ci NOT NULL,
    Precio     numeric(19,4),
    PRIMARY KEY (IdArticulo, IdLista)
);

CREATE TABLE STK_STOCK (
    IdArticulo  varchar(25) COLLATE ci NOT NULL,
    Deposito    varchar(4) COLLATE ci NOT NULL,
    Stock       numeric(19,4),
    PuntoPedido numeric(19,4),
    PRIMARY KEY (IdArticulo, Deposito)
);

CREATE TABLE V_MV_FALTANTES (
    ID          serial PRIMARY KEY,
    FechaHora   timestamp,
    IdArticulo  varchar(25) COLLATE ci,
    Descripcion varchar(100) COLLATE ci,
    Usuario     varchar(50) COLLATE ci
);

CREATE TABLE MA_CLIENTES (
    Codigo           varchar(4) COLLATE ci NOT NULL,
    Razon_Social     varchar(100) COLLATE ci,
    Codigo_Sucursal  varchar(6) COLLATE ci,
    Contacto         varchar(100) COLLATE ci,
    Numero_Documento varchar(20) COLLATE ci,
    Dada_De_Baja     smallint DEFAULT 0,
    PRIMARY KEY (Codigo)
);

CREATE TABLE MA_PROVEEDORES (
    Codigo       varchar(4) COLLATE ci NOT NULL,
    Razon_Social varchar(100) COLLATE ci,
    Dada_De_Baja smallint DEFAULT 0,
    PRIMARY KEY (Codigo)
);

CREATE TABLE MA_CONTACTOS (
    IdContacto        serial PRIMARY KEY,
    Codigo            varchar(10) COLLATE ci,
    Razon_Social      varchar(100) COLLATE ci,
    Nombre_y_Apellido varchar(100) COLLATE ci,
    Domicilio         varchar(100) COLLATE ci,
    Localidad         varchar(50) COLLATE ci,
    Telefono          varchar(30) COLLATE ci
);

CREATE TABLE V_MV_COTIZAR (
    ID                serial PRIMARY KEY,
    IdArticulo        varchar(25) COLLATE ci,
    Cot_Observaciones varchar(255) COLLATE ci
);

CREATE TABLE MA_MODELOS (
    Nombre varchar(50) COLLATE ci NOT NULL,
    PRIMARY KEY (Nombre)
);

CREATE TABLE MA_CHOFERES (
    Codigo   varchar(10) COLLATE ci NOT NULL,
    Apellido varchar(50) COLLATE ci,
    Nombres  varchar(50) COLLATE ci,
    PRIMARY KEY (Codigo)
);

CREATE TABLE MA_DESTINATARIOS (
    Cliente   varchar(4) COLLATE ci NOT NULL,
    Codigo    varchar(16) COLLATE ci NOT NULL,
    Sucursal  varchar(6) COLLATE ci NOT NULL,
    Nombre    varchar(100) COLLATE ci,
    Domicilio varchar(100) COLLATE ci,
    PRIMARY KEY (Cliente, Codigo, Sucursal)
);

CREATE TABLE MA_VEHICULOS (
    Patente       varchar(10) COLLATE ci NOT NULL,
    Tipo_Vehiculo varchar(30) COLLATE ci,
    Modelo        varchar(50) COLLATE ci,
    Tipo          varchar(30) COLLATE ci,
    PRIMARY KEY (Patente)
);

CREATE TABLE TA_CODIGOSPOSTALES (
    cp        varchar(10) COLLATE ci NOT NULL,
    Localidad varchar(50) COLLATE ci,
    PRIMARY KEY (cp)
);

CREATE TABLE VT_MAPINFO_CALLES (
    Street varchar(100) COLLATE ci NOT NULL,
    PRIMARY KEY (Street)
);

CREATE TABLE MAPINFO_LOCALIDADES (
    Localidad  varchar(50) COLLATE ci NOT NULL,
    Partido    varchar(50) COLLATE ci NOT NULL,
    Cod_Postal varchar(10) COLLATE ci,
    PRIMARY KEY (Localidad, Partido)
);

CREATE TABLE V_MV_TROPA (
    id           serial PRIMARY KEY,
    FechaDte     timestamp,
    Dte          varchar(20) COLLATE ci,
    IdTropa      varchar(10) COLLATE ci,
    Patente      varchar(10) COLLATE ci,
    Chofer       varchar(50) COLLATE ci,
    NroGuia      varchar(20) COLLATE ci,
    CuitVendedor varchar(20) COLLATE ci
);

CREATE TABLE V_MV_TROPA_STOCK (
    id         serial PRIMARY KEY,
    idTropa    varchar(10) COLLATE ci,
    categoria  varchar(20) COLLATE ci,
    secuencia  int,
    lado       varchar(10) COLLATE ci,
    kg         numeric(18,3),
    comprador  varchar(50) COLLATE ci,
    fecha      timestamp,
    idPlanilla varchar(10) COLLATE ci
);

CREATE TABLE V_MV_MUTUALES (
    ID          serial PRIMARY KEY,
    Descripcion varchar(50) COLLATE ci
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
