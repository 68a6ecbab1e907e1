# Entry points: `make run`, `make test`, `make build`, `make dist`. Each installs what is missing
# first.

BUILD    := build
NATIVE   := $(BUILD)/native
SANITIZE := $(BUILD)/sanitize
WIN      := $(BUILD)/win
JOBS     ?= $(shell nproc)
CMAKE_GEN := -G Ninja

.PHONY: all deps build native sanitize win dist install test test-native test-sanitize test-win run bench clean format

all: build

deps:
	@bash scripts/install-deps.sh

# The installer after the Windows build, in the same build folder: never two builds of it at once.
build: deps native sanitize win
	cmake --build $(WIN) -j $(JOBS) --target dist

native:
	cmake -S . -B $(NATIVE) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(NATIVE) -j $(JOBS)

# clang, so that the fuzz targets (libFuzzer) build beside the sanitized suites.
sanitize:
	CC=clang CXX=clang++ cmake -S . -B $(SANITIZE) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug \
	  -DSANITIZE=ON -DFUZZ=ON
	cmake --build $(SANITIZE) -j $(JOBS)

WIN_CONFIGURE := cmake -S . -B $(WIN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake

win:
	$(WIN_CONFIGURE)
	cmake --build $(WIN) -j $(JOBS)
	cmake --install $(WIN) --prefix $(WIN)/install

# The installer and a portable .zip in build/win/dist (the installer's tests use them).
# Builds only what they hold.
dist: deps
	$(WIN_CONFIGURE)
	cmake --build $(WIN) -j $(JOBS) --target dist

test: build
	bash scripts/test.sh

run: deps win
	bash scripts/run.sh

# Figures for speed and timing: printed, never judged.
bench: deps win dist
	bash scripts/bench.sh

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h' '*.c')

clean:
	rm -rf $(BUILD)
