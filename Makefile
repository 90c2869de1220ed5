# Kadrion: `make run` starts the program, `make test` runs every test.
# Both install what is missing (Debian 12, as root or with sudo) and build first.
BUILD ?= build
JOBS ?= 2

.PHONY: all setup build native windows run test bench clean

all: build

setup:
	@scripts/setup.sh

native: setup
	cmake -S . -B $(BUILD)/native -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)/native -j $(JOBS)

windows: setup
	cmake -S . -B $(BUILD)/win -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
	cmake --build $(BUILD)/win -j $(JOBS)

build: native windows

run: windows
	scripts/run.sh $(BUILD)/win/Kadrion

test: build
	ctest --test-dir $(BUILD)/native --output-on-failure
	scripts/wine-tests.sh $(BUILD)/win

# Speed and memory with a catalogue of 100,000 films.
bench: build
	cmake --build $(BUILD)/native --target catalogue_bench
	cmake --build $(BUILD)/win --target startup_bench
	$(BUILD)/native/catalogue_bench
	scripts/wine-tests.sh $(BUILD)/win wine startup_bench.exe

clean:
	rm -rf $(BUILD)
