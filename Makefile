# The two commands of the README: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja

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
