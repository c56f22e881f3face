# make run: install what is missing, build and start the program.
# make test: install what is missing, build with the sanitizers and run every test headless.
JOBS ?= $(shell nproc)

.PHONY: deps build run test format

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKQ_TESTS=OFF
	cmake --build build -j $(JOBS)

run: build
	./build/bin/kqsetup

test: deps
	cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DKQ_SANITIZE=ON -DKQ_WERROR=ON
	cmake --build build-test -j $(JOBS)
	ctest --test-dir build-test --output-on-failure -j $(JOBS)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')
