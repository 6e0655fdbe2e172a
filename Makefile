# Selvadoro: `make run` and `make test` do the whole set-up on a fresh Debian
# machine, installing with apt-get only the packages that are missing.

PACKAGES := build-essential cmake ninja-build pkg-config \
	qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-translations-l10n \
	libgl-dev gstreamer1.0-plugins-good fonts-liberation2 fonts-dejavu-core \
	libgtest-dev libgmock-dev libbenchmark-dev poppler-utils libreoffice-calc-nogui \
	libreoffice-writer-nogui

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
RELEASE_DIR := build/release
TEST_DIR := build/test
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps build run test bench clean format

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
		echo "Installazione dei pacchetti mancanti:$$missing"; \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DSELVADORO_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)

run: build
	$(RELEASE_DIR)/Selvadoro/selvadoro

test: deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		-DSELVADORO_SANITIZE=ON -DSELVADORO_WERROR=ON -DSELVADORO_TESTS=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DSELVADORO_TESTS=OFF -DSELVADORO_BENCH=ON
	cmake --build build/bench -j $(JOBS)
	build/bench/bench/selvadoro_bench
	build/bench/bench/selvadoro_communications_bench
	build/bench/bench/selvadoro_weapons_bench
	build/bench/bench/selvadoro_deadlines_bench

clean:
	rm -rf build

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i
