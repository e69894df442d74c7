# The two commands of the README: `make run` and `make test`.
BUILD ?= build
WERROR ?= OFF

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=$(WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD)

run: build
	$(BUILD)/bin/velmora

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

bench: build
	$(BUILD)/bin/velmora-bench

clean:
	rm -rf $(BUILD)
