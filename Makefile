# The two commands of the README: `make run` and `make test`.
#   make test SANITIZE=ON     the suite under ASan and UBSan, in build-sanitize/
#   make install PREFIX=DIR   a self-contained program folder in DIR
#   make package              the Debian package velmora_<version>_<arch>.deb, in $(BUILD)/
#   make fuzz [FUZZ_SECONDS=60]  the fuzz targets, in build-fuzz/, each for that long
SANITIZE ?= OFF
ifeq ($(SANITIZE),ON)
BUILD ?= build-sanitize
else
BUILD ?= build
endif
WERROR ?= OFF
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
# Which packages the first step makes sure of: those the program needs to
# build and run, or those plus what the tests use.
DEPS ?= test
run install: DEPS = run
package: DEPS = package

# Any finding of a sanitizer fails the test that made it.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0

.PHONY: all deps configure build run test install package fuzz check-windows bench clean

all: build

deps:
	@scripts/install-deps.sh $(DEPS)

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=$(WERROR) \
		-DVELMORA_SANITIZE=$(SANITIZE) >/dev/null

build: configure
	@cmake --build $(BUILD)

# Only what running needs: the program, its companion, the password store
# and whatever else the program folder holds; not the test suite.
run: configure
	@cmake --build $(BUILD) --target velmora-runtime
	$(BUILD)/bin/velmora

test: build
	cd $(BUILD) && $(if $(filter ON,$(SANITIZE)),$(SANITIZER_ENV)) QT_QPA_PLATFORM=offscreen \
		ctest --output-on-failure -j2

install: configure
	@test -n "$(PREFIX)" || { echo "usage: make install PREFIX=DIR" >&2; exit 2; }
	@cmake --build $(BUILD) --target velmora-runtime
	cmake --install $(BUILD) --prefix "$(abspath $(PREFIX))"

# What the package holds is what `cmake --install` lays out under /usr.
package: configure
	@cmake --build $(BUILD) --target velmora-runtime
	cd $(BUILD) && cpack -G DEB

fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++ -DVELMORA_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) --target velmora-fuzzers
	fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The Windows branches of the archive code, compiled for Windows in
# syntax-only mode (mingw-w64), since no build here runs them.
check-windows: deps
	scripts/check-windows.sh

bench: build
	$(BUILD)/bin/velmora-bench

clean:
	rm -rf build build-sanitize $(FUZZ_BUILD)
