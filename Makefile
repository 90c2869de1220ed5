# Kadrion: `make run` starts the program, `make test` runs every test.
# Both install what is missing (Debian 12, as root or with sudo) and build first.
# Two Windows builds: build/win32 (the program we ship) and build/win64; each machine runs under
# Wine those it can execute (scripts/wine-arch.sh finds out by trying).
BUILD ?= build
JOBS ?= 2

.PHONY: all setup build native windows win32 win64 run test bench screenshots clean

all: build

setup:
	@scripts/setup.sh

native: setup
	cmake -S . -B $(BUILD)/native -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)/native -j $(JOBS)

win32: setup
	cmake -S . -B $(BUILD)/win32 -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
	cmake --build $(BUILD)/win32 -j $(JOBS)

win64: setup
	cmake -S . -B $(BUILD)/win64 -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake
	cmake --build $(BUILD)/win64 -j $(JOBS)

windows: win32 win64

build: native windows

# The 32-bit program where this machine can run it, otherwise the 64-bit one.
run: setup
	@arch=$$(scripts/wine-arch.sh --preferred) && $(MAKE) --no-print-directory $$arch && \
	  cmake --build $(BUILD)/$$arch --target poke && scripts/run.sh $(BUILD)/$$arch/Kadrion

test: build
	ctest --test-dir $(BUILD)/native --output-on-failure
	scripts/wine-tests.sh $(BUILD)

# Speed and memory with a catalogue of 100,000 films: one table of figures against their targets,
# the portable parts natively and the program under Wine on the build `make run` uses. Fails when
# a target is missed.
bench: native
	@arch=$$(scripts/wine-arch.sh --preferred) && $(MAKE) --no-print-directory $$arch && \
	  cmake --build $(BUILD)/native --target catalogue_bench && \
	  cmake --build $(BUILD)/$$arch --target program_bench && \
	  scripts/bench.sh $(BUILD) $$arch

# A tour through the running program, saved as shots/*.png.
screenshots: setup
	@arch=$$(scripts/wine-arch.sh --preferred) && $(MAKE) --no-print-directory $$arch && \
	  scripts/screenshots.sh $(BUILD)/$$arch

clean:
	rm -rf $(BUILD)
