# Two commands matter: `make run` and `make test`. Everything else is a step of those.
.PHONY: all bootstrap native win32 win64 windows dist sizes unit asan fuzz fuzz-build fuzz-smoke imports \
	e2e soak test run format format-check lint clean

JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory

all: native windows

bootstrap:
	@tools/scripts/bootstrap.sh

native: bootstrap
	@test -f build/native/CMakeCache.txt || cmake --preset native >/dev/null
	@cmake --build --preset native -j$(JOBS)

win32: native
	@test -f build/win32/CMakeCache.txt || cmake --preset win32 >/dev/null
	@cmake --build --preset win32 -j$(JOBS)

win64: native
	@test -f build/win64/CMakeCache.txt || cmake --preset win64 >/dev/null
	@cmake --build --preset win64 -j$(JOBS)

# Both distributions are built everywhere; the tests run each arch whose Wine runs here.
windows: win32 win64

# One archive a distribution in out/, as a user downloads it, and out/SHA256SUMS. Builds only
# what the archives hold: the host build's art, then each arch's distribution folder.
dist: bootstrap
	@test -f build/native/CMakeCache.txt || cmake --preset native >/dev/null
	@cmake --build --preset native -j$(JOBS) --target art
	@for arch in win32 win64; do \
	  test -f build/$$arch/CMakeCache.txt || cmake --preset $$arch >/dev/null || exit 1; \
	  cmake --build --preset $$arch -j$(JOBS) --target setup_dist || exit 1; \
	done
	@tools/scripts/make-dist.sh

# The shipped programs of both arches against their size goals.
sizes: windows
	@tools/scripts/bench-size.sh --check

unit: native
	@ctest --preset native -j$(JOBS)

asan: bootstrap
	@test -f build/asan/CMakeCache.txt || cmake --preset asan >/dev/null
	@cmake --build --preset asan -j$(JOBS)
	@ctest --preset asan -j$(JOBS)

# Every shipped program of both arches imports only the system's known libraries.
imports: windows
	@tests/imports/check.sh

e2e: windows
	@tests/e2e/run.sh

test: format-check unit asan fuzz-smoke imports sizes e2e

# `make soak` runs, for each arch, the game under random input for SOAK_MINUTES and setup.exe
# for SOAK_CYCLES install and removal cycles; `make test` runs a one-minute round of the game.
SOAK_MINUTES ?= 20
SOAK_CYCLES ?= 50
soak: windows
	@SOAK_MINUTES=$(SOAK_MINUTES) SOAK_CYCLES=$(SOAK_CYCLES) tests/soak/run.sh

# The game of the first arch that runs here: the 32-bit one where it can.
run: native
	@$(MAKE) $$(tools/scripts/wine.sh first)
	@tools/scripts/run-game.sh

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails on any difference from .clang-format in the tracked C++ files.
format-check: bootstrap
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# clang-tidy with .clang-tidy's checks over the product code and its tools, game/, setup/ and
# tools/; fails on any finding. Not part of `make test`: it takes minutes.
lint: native
	@JOBS=$(JOBS) tools/scripts/lint.sh

clean:
	rm -rf build out

FUZZ_SECONDS ?= 600
fuzz-build: bootstrap
	@test -f build/fuzz/CMakeCache.txt || cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j$(JOBS)

# `make fuzz` runs each target for FUZZ_SECONDS; `make test` runs a short smoke of each.
fuzz: fuzz-build
	@tests/fuzz/run.sh $(FUZZ_SECONDS)

fuzz-smoke: fuzz-build
	@tests/fuzz/run.sh 10
