# Entry points for a fresh Debian 12 machine. `make test` and `make run` install what is missing.
BUILD ?= build
# The default database: Princeton WordNet 3.0 from Debian's wordnet-base.
DB ?= wordnet.fdb
WORDNET ?= /usr/share/wordnet
ASAN_BUILD ?= build-asan
# The developers' and CI builds treat warnings as errors; a plain cmake build does not.
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLEX_WERROR=ON
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: deps configure build test package-check sanitize fuzz run bench format clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j2

# Installs the build into a staging folder and as Debian packages (with dpkg, so as root or through
# sudo), checks what each installed, then removes the packages again.
package-check: build
	@bash scripts/package-check.sh $(BUILD)

sanitize: deps
	@cmake -S . -B $(ASAN_BUILD) $(CMAKE_FLAGS) -DLEX_SANITIZE=ON > /dev/null
	@cmake --build $(ASAN_BUILD)
	@ctest --test-dir $(ASAN_BUILD) --output-on-failure -j2

# Every fuzz target for FUZZ_SECONDS seconds each (clang's libFuzzer with the sanitizers).
fuzz: deps
	@bash scripts/fuzz.sh $(FUZZ_SECONDS) $(FUZZ_BUILD)

# lumivue ends with status 2 when there is no display (it says so in one line); the database's
# summary from polylex then stands in for the window.
run: build
	@bash scripts/default-database.sh $(BUILD)/tools/polylex/polylex $(DB) $(WORDNET)
	@$(BUILD)/lumivue/lumivue -F "$(DB)" || { test $$? -eq 2 && $(BUILD)/tools/polylex/polylex info $(DB); }

bench: build
	@bash scripts/default-database.sh $(BUILD)/tools/polylex/polylex $(DB) $(WORDNET)
	@LEX_BENCH_DB=$(DB) $(BUILD)/bench/store_bench
	@$(BUILD)/bench/lookup_bench $(DB) $(WORDNET)
	@$(BUILD)/bench/viewer_bench $(DB)
	@$(BUILD)/bench/bars/bars_bench $(DB)
	@$(BUILD)/bench/window/window_bench $(DB)
	@$(BUILD)/bench/omw_bench ../shared/data/omw $(WORDNET)
	@$(BUILD)/bench/size_bench $(WORDNET) ../shared/data/omw

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
