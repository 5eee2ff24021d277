# The two commands of the README: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
JOBS       ?= $(shell nproc)
# Our own trees treat warnings as errors; a plain cmake build (a distribution's) does not.
CMAKE_GEN  := -G Ninja -DORVANE_WERROR=ON

.PHONY: deps configure build run test test-core test-asan bench install uninstall format format-check lint clean

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/src/app/orvane-calculator $(ARGS)

# Everything: the normal tree (cores, windows, end-to-end) and the sanitizer tree of the cores.
test: format-check build test-asan
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@if command -v clang++ >/dev/null; then $(MAKE) --no-print-directory fuzz FUZZ_SECONDS=20; fi
	@$(MAKE) --no-print-directory soak SOAK_SECONDS=60

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DORVANE_GUI=OFF -DORVANE_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B $(BENCH_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DORVANE_GUI=OFF -DORVANE_BENCH=ON >/dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS)
	@for b in $(BENCH_BUILD)/bench/*_bench; do echo "== $$b"; $$b; done

install: build
	@cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

uninstall:
	@xargs -r rm -fv < $(BUILD)/install_manifest.txt

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails on the first file that clang-format would change.
format-check: deps
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

# The naming style of .clang-tidy over our own sources (needs the compile database of a build).
lint: configure
	@run-clang-tidy -p $(BUILD) -quiet -j $(JOBS) -extra-arg=-Wno-unknown-warning-option \
	    '$(CURDIR)/(src|tests|bench|tools)/.*\.cpp$$'

clean:
	@rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD)

# The Debian package of the normal build tree: $(BUILD)/orvane-calculator_VERSION_ARCH.deb.
.PHONY: deb
deb: build
	@cd $(BUILD) && cpack -G DEB

# Hostile and endless input. `make fuzz`: the libFuzzer targets of fuzz/ (clang, their own
# tree), each for FUZZ_SECONDS. `make soak`: the sanitized desktop program driven by random
# input under Xvfb for SOAK_SECONDS, with the seed SOAK_SEED (printed, chosen when empty).
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
.PHONY: fuzz

fuzz: deps
	@FUZZ_SECONDS=$(FUZZ_SECONDS) JOBS=$(JOBS) fuzz/run.sh $(FUZZ_BUILD)

SOAK_BUILD   ?= build-soak
SOAK_SECONDS ?= 180
SOAK_SEED    ?=
.PHONY: soak

soak: deps
	@cmake -S . -B $(SOAK_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_SANITIZE=ON >/dev/null
	@cmake --build $(SOAK_BUILD) -j $(JOBS) --target orvane-calculator
	@SOAK_SECONDS=$(SOAK_SECONDS) SOAK_SEED=$(SOAK_SEED) tests/soak/gui_soak.sh $(SOAK_BUILD)/src/app/orvane-calculator
