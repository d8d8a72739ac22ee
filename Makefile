# The two commands a newcomer needs: `make run` and `make test`.
# Each installs the missing Debian packages, configures, builds, then runs.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test deps configure build format clean

run: build
	QUARVEL_BUILD=$(BUILD) ./tools/run.sh

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j2

deps:
	./tools/install-deps.sh

configure: deps
	@if [ ! -f $(BUILD)/build.ninja ]; then cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS); fi

build: configure
	cmake --build $(BUILD)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
