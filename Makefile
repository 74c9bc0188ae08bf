BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release
# The checked builds: clang with the sanitizers (and libFuzzer), each in a folder of its own.
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
CHECKED_FLAGS = -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++-14
# Reports with symbolized stacks; a leak fails the run too (Qt reports none of its own).
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:detect_stack_use_after_return=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer

.PHONY: all deps configure build run test shots bench format clean reset-data
.PHONY: checked-deps test-sanitize fuzz-build fuzz fuzz-ci

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD)

run: build
	@scripts/run.sh $(BUILD)/tessix-demo

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout $${TEST_TIMEOUT:-120}

checked-deps:
	@scripts/install-deps.sh --checked

# Every test, built with ASan, UBSan and LSan.
test-sanitize: checked-deps
	@cmake -S . -B $(SANITIZE_BUILD) -G Ninja $(CHECKED_FLAGS) -DTESSIX_SANITIZE=ON > /dev/null
	@cmake --build $(SANITIZE_BUILD)
	@cd $(SANITIZE_BUILD) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen \
		ctest --output-on-failure --timeout $${TEST_TIMEOUT:-120}

fuzz-build: checked-deps
	@cmake -S . -B $(FUZZ_BUILD) -G Ninja $(CHECKED_FLAGS) -DTESSIX_FUZZ=ON > /dev/null
	@cmake --build $(FUZZ_BUILD) --target fuzz-targets

# Each fuzz target for FUZZ_SECONDS; what it finds stays in $(FUZZ_BUILD)/fuzz/.
fuzz: fuzz-build
	@$(SANITIZER_ENV) tests/fuzz/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# CI: the committed corpus replayed, then a short run of each target.
fuzz-ci: fuzz-build
	@$(SANITIZER_ENV) tests/fuzz/run-fuzzers.sh $(FUZZ_BUILD) 0
	@$(SANITIZER_ENV) tests/fuzz/run-fuzzers.sh $(FUZZ_BUILD) 20

shots: build
	@QT_QPA_PLATFORM=offscreen $(BUILD)/tessix-shots $(BUILD)/shots

bench: build
	@mkdir -p $(BUILD)/bench
	@QT_QPA_PLATFORM=offscreen $(BUILD)/tessix-bench $(BUILD)/bench/results.tsv

# Puts the shipped data files back beside the program; changed ones are kept as *.bak.
reset-data: configure
	@cmake --build $(BUILD) --target reset-data

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD)
