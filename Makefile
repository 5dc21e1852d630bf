# Front door: make run, make run-sarvo, make test, make bench, make screenshots.
PRESET ?= dev
BUILD  := build/$(PRESET)
JOBS   ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run run-sarvo test bench screenshots clean

all: build

deps:
	@./scripts/install-deps

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	./$(BUILD)/ortix/app/ortix

run-sarvo: build
	./$(BUILD)/sarvo/sarvo

# The whole suite, then the core suite again under a locale that writes decimal commas.
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cd $(BUILD) && LC_ALL=it_IT.UTF-8 QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -L core

bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)
	@for b in build/release/bench/*_bench; do echo "== $$b"; $$b --benchmark_counters_tabular=true || exit 1; done

screenshots: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/tools/screenshots/screenshots docs/screenshots

clean:
	rm -rf build
