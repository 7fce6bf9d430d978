# Kelvane: set-up, build, test and run on a Debian 12 machine.
#   make run      install what is missing, build, start the program
#   make test     install what is missing, build, run the whole test suite
#   make install  build, install under PREFIX (default /usr/local)
#   make package  a Release build packed as a Debian package, ./kelvane_VERSION_ARCH.deb
#   make lintian  the package, checked by lintian

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

PREFIX ?= /usr/local
PACKAGE_DIR ?= build-package

.PHONY: all deps configure build test run install package lintian bench fuzz fuzz-merge sanitize format format-check tidy \
        cppcheck clean

all: build

deps:
	@bash scripts/install-deps.sh

# A new build folder is configured; one that exists is configured again when
# KELVANE_WERROR is in the environment (CI), so the setting it asks for holds
# whatever the folder was configured with before.
configure: deps
	@if [ -n "$${KELVANE_WERROR:-}" ] || [ ! -f $(BUILD_DIR)/build.ninja ]; then \
	  echo cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE); \
	  cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE); \
	fi

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: build
	$(BUILD_DIR)/src/app/kelvane

# The build is told its prefix (installed there, the program keeps its
# settings in the user's configuration folder). The desktop's caches learn of
# the new menu entry, file type and icon; a package gets this from the
# system's own triggers.
install: configure
	cmake -S . -B $(BUILD_DIR) -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(BUILD_DIR) -j $(JOBS)
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)
	if command -v update-mime-database >/dev/null; then update-mime-database $(PREFIX)/share/mime; fi
	if command -v update-desktop-database >/dev/null; then update-desktop-database -q $(PREFIX)/share/applications; fi
	if command -v gtk-update-icon-cache >/dev/null; then gtk-update-icon-cache -q -t -f $(PREFIX)/share/icons/hicolor; fi

# Release type, without tests or benchmarks, in a build folder of its own,
# with Debian's hardening flags (stack protector, fortify, relro, now, PIE)
# as dpkg-buildflags gives them. MAINTAINER="Name <address>" names the packager.
# A package in Section games keeps its programs in /usr/games.
HARDENING = DEB_BUILD_MAINT_OPTIONS=hardening=+all
PACKAGE_CPPFLAGS = $(shell $(HARDENING) dpkg-buildflags --get CPPFLAGS 2>/dev/null)
PACKAGE_CXXFLAGS = $(shell $(HARDENING) dpkg-buildflags --get CXXFLAGS 2>/dev/null)
PACKAGE_LDFLAGS = $(shell $(HARDENING) dpkg-buildflags --get LDFLAGS 2>/dev/null)
MAINTAINER ?=
# ccache, where there is one, keeps a second package build cheap.
PACKAGE_LAUNCHER ?= $(shell command -v ccache 2>/dev/null)
package: deps
	cmake -S . -B $(PACKAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELVANE_TESTS=OFF -DKELVANE_BENCH=OFF \
	  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games -DKELVANE_DEBIAN_PACKAGE=ON \
	  -DCMAKE_CXX_FLAGS="$(PACKAGE_CPPFLAGS) $(PACKAGE_CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$(PACKAGE_LDFLAGS)" \
	  $(if $(PACKAGE_LAUNCHER),-DCMAKE_CXX_COMPILER_LAUNCHER=$(PACKAGE_LAUNCHER)) \
	  $(if $(MAINTAINER),-DKELVANE_MAINTAINER="$(MAINTAINER)")
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	rm -f $(PACKAGE_DIR)/kelvane_*.deb
	cd $(PACKAGE_DIR) && cpack -G DEB
	rm -f kelvane_*.deb
	cp $(PACKAGE_DIR)/kelvane_*.deb .

# lintian, Debian 12's default profile, on the package: any error or warning fails.
lintian: package
	lintian --fail-on error,warning kelvane_*.deb

# The readers of outside input under libFuzzer, FUZZ_SECONDS each, from the
# corpus kept in fuzz/corpus (on a copy: the repository is not written to).
FUZZ_SECONDS ?= 60
fuzz: deps
	bash scripts/fuzz.sh $(FUZZ_SECONDS)

# The same, then what reaches new code merged into fuzz/corpus to commit.
fuzz-merge: deps
	bash scripts/fuzz.sh --merge $(FUZZ_SECONDS)

# Every test program built with AddressSanitizer and UndefinedBehaviorSanitizer.
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
	rm -rf $(BUILD_DIR) $(PACKAGE_DIR) kelvane_*.deb
