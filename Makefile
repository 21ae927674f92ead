# Front door: `make play` and `make test`. Both install missing packages, configure and build.
SANITIZE ?= 0
WERROR ?= $(if $(CI),1,0)
JOBS ?= $(shell nproc)

ifeq ($(SANITIZE),1)
BUILD ?= build-asan
CMAKE_FLAGS += -DAEROTUSSLE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
TEST_ENV = ASAN_OPTIONS=abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
BUILD ?= build
CMAKE_FLAGS += -DCMAKE_BUILD_TYPE=RelWithDebInfo
endif
ifeq ($(WERROR),1)
CMAKE_FLAGS += -DAEROTUSSLE_WERROR=ON
endif

.PHONY: all deps configure build play test bench clean
all: build

deps:
	@bash scripts/ensure-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

play: build
	./$(BUILD)/bin/aerotussle $(ARGS)

test: build
	$(TEST_ENV) ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) $(CTEST_ARGS)

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b; done

clean:
	rm -rf build build-asan
