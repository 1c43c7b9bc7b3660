# Two entry points: `make demo` (build, install to ./dist, compile the
# bundled example) and `make test` (build and run the whole suite, then
# again under AddressSanitizer and UndefinedBehaviorSanitizer).

PACKAGES := g++ cmake bison flex qt6-base-dev qt6-l10n-tools libgtest-dev \
            libbenchmark-dev cpp zlib1g-dev libsqlite3-dev linux-libc-dev \
            python3-pycparser groff-base
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BUILD := build
ASAN_BUILD := build-asan
DIST := $(CURDIR)/dist

.PHONY: all deps build demo test test-plain test-asan bench clean

all: build

# Installs the missing Debian packages when run as root.
deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
	      apt-get install -y -qq $$missing >/dev/null; \
	  else \
	    echo "Missing packages:$$missing (run as root or install them)"; exit 1; \
	  fi; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

# The example analyses its own interface header and a system header
# (stdint.h) through the installed standard-define file; its makefile
# writes every generated file and checks the driver source against the
# stand-in runtime headers.
demo: build
	cmake --install $(BUILD) --prefix $(DIST) >/dev/null
	$(MAKE) -C examples DIST=$(DIST)

test: test-plain test-asan

test-plain: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZRS_SANITIZE=ON >/dev/null
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DZRS_BENCH=ON >/dev/null
	cmake --build build-bench -j $(JOBS)
	./bench/run_benchmarks build-bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-bench $(DIST) examples/out
