# People's entry points. Each target installs what it needs, builds and runs.
BUILD      := build
BIN        := $(BUILD)/bin
JOBS       ?= $(shell nproc)

BUILD_PKGS := g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev \
              libgtest-dev libgmock-dev fonts-dejavu-core \
              libsqlite3-dev
BENCH_PKGS := libbenchmark-dev

.PHONY: all build run test bench deps clean

all: build

deps:
	@tools/instalar-paquetes.sh $(BUILD_PKGS)

$(BUILD)/build.ninja: CMakeLists.txt | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DEQUIV_WERROR=ON

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BIN)/equivalencias

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@tools/instalar-paquetes.sh $(BENCH_PKGS)
	@for b in $(BIN)/bench_*; do [ -x "$$b" ] && "$$b"; done; true

clean:
	rm -rf $(BUILD)
