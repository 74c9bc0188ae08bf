BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release

.PHONY: all deps configure build run test shots bench format clean reset-data

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
