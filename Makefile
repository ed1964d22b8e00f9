# Quick start: `make run` opens the monitor on the simulated printers,
# `make test` runs every test. Both install missing Debian packages as root.
BUILD   ?= build
JOBS    ?= $(shell nproc)
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build programs run test bench soak fuzz format clean install uninstall

all: build

deps:
	@tools/ensure-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Only what runs: the monitor, orvan-sim, orvan-status, the stand-in
# libraries and the pictures.
programs: configure
	cmake --build $(BUILD) -j $(JOBS) --target orvan_programs

run: programs
	@tools/run-monitor.sh $(BUILD)/bin $(ARGS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@tools/run-fuzzers.sh $(BUILD)

# PREFIX sets the install prefix (the program is rebuilt for it: it knows
# where its libraries and system configuration are); DESTDIR stages the whole
# tree below another folder.
install: programs
	$(if $(PREFIX),cmake -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=$(PREFIX) && cmake --build $(BUILD) -j $(JOBS) --target orvan_programs &&) \
	$(if $(DESTDIR),DESTDIR=$(DESTDIR)) cmake --install $(BUILD)

# Removes what the last install from $(BUILD) put in place, then the folders
# it created, when empty; a staged install with the same DESTDIR.
uninstall:
	$(if $(DESTDIR),DESTDIR=$(DESTDIR)) cmake -DORVAN_BUILD_DIR=$(BUILD) -P cmake/OrvanUninstall.cmake

bench: build
	@for b in $(BUILD)/bin/bench_*; do [ -x "$$b" ] && "$$b"; done; true

# The monitor and `orvan-status --serve` for an hour (SOAK_SECONDS) on the
# stand-in libraries, with printers that keep changing: fails when either grows.
soak: programs
	@tools/soak.sh $(BUILD)/bin

format:
	@find src simulator ports tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
