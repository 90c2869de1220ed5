# Kadrion: `make run` starts the program, `make test` runs every test.
# Both install what is missing (Debian 12, as root or with sudo) and build first.
# Two Windows builds: build/win32 (the program we ship) and build/win64; each machine runs under
# Wine those it can execute (scripts/wine-arch.sh finds out by trying).
BUILD ?= build
JOBS ?= 2
# Seconds each fuzz target runs in `make fuzz`.
FUZZ_SECONDS ?= 60

.PHONY: all setup build native sanitize windows win32 win64 run test fuzz bench screenshots dist clean

all: build

setup:
	@scripts/setup.sh

native: setup
	cmake -S . -B $(BUILD)/native -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)/native -j $(JOBS)

# The portable logic and its tests again, under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: setup
	cmake -S . -B $(BUILD)/sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DKADRION_SANITIZE=ON
	cmake --build $(BUILD)/sanitize --target core_tests -j $(JOBS)

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

test: build sanitize
	ctest --test-dir $(BUILD)/native --output-on-failure
	ctest --test-dir $(BUILD)/sanitize --output-on-failure
	scripts/wine-tests.sh $(BUILD)

# Every fuzz target for FUZZ_SECONDS from the seeds in fuzz/corpus; fails on any finding.
fuzz: setup
	cmake -S . -B $(BUILD)/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DKADRION_FUZZ=ON
	cmake --build $(BUILD)/fuzz --target fuzzers -j $(JOBS)
	scripts/fuzz.sh $(BUILD)/fuzz $(FUZZ_SECONDS) $(JOBS)

# Speed and memory with a catalogue of 100,000 films: one table of figures against their targets,
# the portable parts natively and the program under Wine on the build `make run` uses. Fails when
# a target is missed.
bench: native
	@arch=$$(scripts/wine-arch.sh --preferred) && $(MAKE) --no-print-directory $$arch && \
	  cmake --build $(BUILD)/native --target catalogue_bench && \
	  cmake --build $(BUILD)/$$arch --target program_bench && \
	  scripts/bench.sh $(BUILD) $$arch

# The portable zips of both programs and their installers, in dist/.
dist: windows
	scripts/dist.sh $(BUILD) dist

# A tour through the running program, saved as shots/*.png.
screenshots: setup
	@arch=$$(scripts/wine-arch.sh --preferred) && $(MAKE) --no-print-directory $$arch && \
	  scripts/screenshots.sh $(BUILD)/$$arch

clean:
	rm -rf $(BUILD)
