# Selvadoro: `make run` and `make test` do the whole set-up on a fresh Debian
# machine, installing with apt-get only the packages that are missing.

PACKAGES := build-essential cmake ninja-build pkg-config \
	qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-translations-l10n \
	libgl-dev gstreamer1.0-plugins-good fonts-liberation2 fonts-dejavu-core \
	libgtest-dev libgmock-dev libbenchmark-dev poppler-utils libreoffice-calc-nogui \
	libreoffice-writer-nogui lame ccache mold \
	libqrencode-dev zbar-tools libcsv-dev
# The .xlsx export (libxlsxwriter), the iCalendar export (libical), and
# the independent readers of their tests (openpyxl, icalendar).
PACKAGES += libxlsxwriter-dev libical-dev python3-openpyxl python3-icalendar
# The backups' zip files (src/backup/ZipArchive.cpp); unzip and Python's zipfile read them
# back in the tests.
PACKAGES += libzip-dev unzip python3
# Their entries deflated on several threads (zlib) and the SHA-256 of their
# files (OpenSSL's libcrypto).
PACKAGES += zlib1g-dev libssl-dev
# The import's Excel 97-2003 workbooks (.xls, BIFF), read by FreeXL
# (src/import/XlsBook.cpp).
PACKAGES += libfreexl-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
RELEASE_DIR := build/release
TEST_DIR := build/test
# Written when every test of the test build has passed; `make test` runs
# them again only when a program, a test or a test script is newer.
TEST_STAMP := $(TEST_DIR)/prove-riuscite.stamp
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# What `make stress` needs besides: bindfs mounts one folder twice, as two
# stations reaching one share.
STRESS_PACKAGES := bindfs fuse3

# What `make bench` needs besides: the first window's timer and its X
# server (bench/first_window.sh), sqlite3 for the comparisons of the export
# and the full list, /usr/bin/time for the peak memory.
BENCH_PACKAGES := libx11-dev xvfb sqlite3 time
# Python's xlsxwriter, the comparison of the .xlsx export.
BENCH_PACKAGES += python3-xlsxwriter
# The backup row compares with Info-ZIP.
BENCH_PACKAGES += zip

# What `make deb` and `make deb-test` need besides: dpkg-dev (the hardening
# flags, dpkg-shlibdeps for the dependencies) and the checkers of the package.
DEB_DIR := build/deb
DEB_PACKAGES := dpkg-dev lintian desktop-file-utils appstream
# Debian's compiler and linker flags with every hardening (bindnow too).
DEB_BUILDFLAGS := DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags

.PHONY: all deps build run test retest stress bench bench-all bench-build deb deb-test clean format

all: build

# $(call install-missing,PACKAGES)
define install-missing
	@missing=""; \
	for p in $(1); do \
		dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
		echo "Installazione dei pacchetti mancanti:$$missing"; \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq -o DPkg::Lock::Timeout=300 && \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=300 $$missing; \
	fi
endef

deps:
	$(call install-missing,$(PACKAGES))

build: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DSELVADORO_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)

run: build
	$(RELEASE_DIR)/Selvadoro/selvadoro

test: deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		-DSELVADORO_SANITIZE=ON -DSELVADORO_WERROR=ON -DSELVADORO_TESTS=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	@if [ -f $(TEST_STAMP) ] && [ -z "$$(find $(TEST_DIR)/tests $(TEST_DIR)/Selvadoro tests \
			-newer $(TEST_STAMP) -type f ! -path '*/CMakeFiles/*' ! -name '*_include.cmake' 2>/dev/null | head -n 1)" ]; then \
		echo "Nulla è cambiato dall'ultima prova riuscita: le prove non si ripetono (make retest le ripete)."; \
	else \
		rm -f $(TEST_STAMP); \
		start=$$(date +%s); \
		(cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)); \
		status=$$?; \
		elapsed=$$(( $$(date +%s) - start )); \
		echo "Durata delle prove (ctest): $$((elapsed / 60)) min $$((elapsed % 60)) s"; \
		[ $$status -eq 0 ] && touch $(TEST_STAMP); \
		exit $$status; \
	fi

# Every test again, even when nothing changed since they last passed.
retest:
	rm -f $(TEST_STAMP)
	$(MAKE) test

# The long reliability runs, in the sanitizer build of `make test`: a writer
# killed 500 times during its saves, two stations on two mounts of one
# folder (1000 saves from each of four writers).
stress: deps
	$(call install-missing,$(STRESS_PACKAGES))
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		-DSELVADORO_SANITIZE=ON -DSELVADORO_WERROR=ON -DSELVADORO_TESTS=ON
	cmake --build $(TEST_DIR) -j $(JOBS) --target core_tests record_append_worker
	$(SUDO) sh tests/stress/record_files.sh $(TEST_DIR) 500 1000
	cd $(TEST_DIR) && SELVADORO_FUZZ_RUNS=3000 QT_QPA_PLATFORM=offscreen \
		./tests/core_tests --gtest_filter='Fuzz.*:IoFault.*'

# One table: the program's times on 100 000 hunters against a plain read
# of the file, sqlite3 and a bare window (about a minute).
bench: bench-build
	bench/table.sh build/bench

# The table, then each archive's own benchmarks (several minutes).
bench-all: bench
	build/bench/bench/selvadoro_bench
	build/bench/bench/selvadoro_communications_bench
	build/bench/bench/selvadoro_weapons_bench
	build/bench/bench/selvadoro_save_bench
	build/bench/bench/selvadoro_deadlines_bench

bench-build: deps
	$(call install-missing,$(BENCH_PACKAGES))
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DSELVADORO_TESTS=OFF -DSELVADORO_BENCH=ON
	cmake --build build/bench -j $(JOBS)

# selvadoro_<version>_<arch>.deb in build/deb, built with Debian's flags
# and checked by lintian, desktop-file-validate and appstreamcli.
deb: deps
	$(call install-missing,$(DEB_PACKAGES))
	cmake -S . -B $(DEB_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DSELVADORO_TESTS=OFF \
		-DSELVADORO_DEB=ON \
		-DCMAKE_CXX_FLAGS="$$(DEB_CXXFLAGS_MAINT_STRIP=-g $(DEB_BUILDFLAGS) --get CXXFLAGS) $$($(DEB_BUILDFLAGS) --get CPPFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_BUILDFLAGS) --get LDFLAGS)" \
		-DCMAKE_MODULE_LINKER_FLAGS="$$($(DEB_BUILDFLAGS) --get LDFLAGS)"
	cmake --build $(DEB_DIR) -j $(JOBS)
	rm -f $(DEB_DIR)/selvadoro_*.deb
	cd $(DEB_DIR) && cpack -G DEB
	sh tests/deb/check_package.sh $(DEB_DIR)/selvadoro_*.deb

# Installs the package on this machine with apt-get, uses the installed
# program, purges it and checks that nothing of it is left. Not part of
# `make test`: it changes the machine.
deb-test: deb
	$(SUDO) sh tests/deb/check_installed.sh $(DEB_DIR)/selvadoro_*.deb

clean:
	rm -rf build

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i
