# The two entry points: `make run` opens the window, `make test` runs every test.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSELIN_WERROR=ON

.PHONY: all deps build run test test-sanitize package bench screenshot format format-check clean

all: build

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/window/tesselin ]; then $(BUILD)/window/tesselin; \
	else echo "make run: the window is not built yet; only the byte logic exists."; fi

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTESSELIN_WERROR=ON -DTESSELIN_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS)

bench: build
	/usr/bin/python3 bench/run.py $(BUILD)

package: build
	cd $(BUILD) && cpack -G DEB

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

format-check:
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)

screenshot: build
	mkdir -p docs
	TESSELIN_KEYS="6 0" ./scripts/screenshot.sh $(BUILD)/window/tesselin docs/screenshot.png
