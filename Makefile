# People's entry points. Each target installs what it needs, builds and runs.
BUILD      := build
BIN        := $(BUILD)/bin
JOBS       ?= $(shell nproc)

BUILD_PKGS := g++ cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libgl-dev \
              libgtest-dev libgmock-dev fonts-dejavu-core \
              libsqlite3-dev sqlite3 libxlsxwriter-dev libminizip-dev unzip \
              unixodbc-dev tdsodbc postgresql odbc-postgresql dpkg-dev file desktop-file-utils lintian

.PHONY: all build run busqueda test bench package deps clean

all: build

deps:
	@tools/instalar-paquetes.sh $(BUILD_PKGS)

$(BUILD)/build.ninja: CMakeLists.txt | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DEQUIV_WERROR=ON

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# The demo company, signed in as the demo user, as the suite's menu starts the program.
DEMO_LINE  := ; @server=LOCAL; @dbname=EMPRESA_DEMO; @usuario=ADMIN; @Password=quro; \
              @ParametroAdicional=; quro@ ; @UsuarioLogeado = ADMIN; @Caja=1;

run: build
	$(BIN)/crear-demo --carpeta $(BIN)
	$(BIN)/equivalencias "$(DEMO_LINE)"

# The window that tries the code search box, on the same demo company.
busqueda: build
	$(BIN)/crear-demo --carpeta $(BIN)
	$(BIN)/equivalencias --busqueda-codigo "$(DEMO_LINE)"

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian package, in $(BUILD)/: only what it installs is built.
PACKAGE_TARGETS := equivalencias crear-demo documentos_paquete

package: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target $(PACKAGE_TARGETS)
	cd $(BUILD) && cpack -G DEB

# The benches' PostgreSQL runs use a throwaway cluster of their own, stopped
# when they end, also when one fails.
BENCH_PG   := $(CURDIR)/$(BUILD)/postgres-bench

bench: build
	@trap 'tools/postgres-prueba.sh detener $(BENCH_PG)' EXIT; \
	tools/postgres-prueba.sh iniciar $(BENCH_PG) > /dev/null \
	  || { echo "bench failed: the PostgreSQL cluster cannot be started"; exit 1; }; \
	for b in $(BIN)/bench_*; do echo "== $$(basename $$b)"; EQUIV_PG_CARPETA=$(BENCH_PG) "$$b" || exit 1; done

clean:
	rm -rf $(BUILD)
