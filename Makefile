# Kelvane: set-up, build, test and run on a Debian 12 machine.
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run the whole test suite

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test run bench fuzz sanitize format format-check tidy cppcheck clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: build
	$(BUILD_DIR)/src/app/kelvane

# The readers of outside input under libFuzzer, FUZZ_SECONDS each.
FUZZ_SECONDS ?= 60
fuzz: deps
	bash scripts/fuzz.sh $(FUZZ_SECONDS)

# The core tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	bash scripts/sanitize-tests.sh

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then echo "== $$b"; "$$b" || exit 1; fi; \
	done

# clang-format 14, the version the format is settled with (CLANG_FORMAT
# names another binary of that version).
format:
	@bash scripts/format.sh

format-check:
	@bash scripts/format.sh --check

# The static checks: clang-tidy with .clang-tidy, and cppcheck; each fails on
# any finding. They read the compile commands of BUILD_DIR.
tidy: configure
	@bash scripts/static-checks.sh tidy $(BUILD_DIR)

cppcheck: configure
	@bash scripts/static-checks.sh cppcheck $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
