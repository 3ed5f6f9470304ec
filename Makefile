SHELL := /bin/bash
# The two commands of the README: `make run` and `make test`. Everything else
# here is a step of those two, or a convenience for developers.

BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 30
CMAKE_FLAGS ?=

FORMAT_FILES = $(shell git ls-files '*.h' '*.cpp' 2>/dev/null)
FUZZ_TARGETS = countdowns_fuzz settings_fuzz weather_fuzz location_fuzz open_meteo_fuzz \
  open_meteo_forecast_fuzz weatherkit_fuzz weatherkit_forecast_fuzz ics_fuzz

.PHONY: translations run test deps test-deps build build-run configure configure-run unit-tests asan-tests fuzz fuzz-build fuzz-long bench format format-check clean package package-test

run: deps build-run
	./scripts/run $(BUILD)

test: test-deps format-check build unit-tests package-test fuzz asan-tests

deps:
	./scripts/install-deps

test-deps:
	./scripts/install-deps --test

# Optimised without debug information: neither the tests nor the package need
# symbols, and leaving them out takes a fifth off every build. For a build to
# debug: make CMAKE_FLAGS=-DCMAKE_BUILD_TYPE=RelWithDebInfo BUILD=build-debug
RELEASE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=Release \
  '-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG' '-DCMAKE_C_FLAGS_RELEASE=-O2 -DNDEBUG'

configure:
	cmake -S . -B $(BUILD) $(RELEASE_FLAGS) -DSOLVANE_TESTS=ON -DSOLVANE_BENCH=ON $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# What `make run` runs and nothing more: the three programs, the widgets'
# plug-in and the catalogues; the tests and benchmarks are left for `make test`.
configure-run:
	cmake -S . -B $(BUILD) $(RELEASE_FLAGS) -DSOLVANE_TESTS=OFF -DSOLVANE_BENCH=OFF $(CMAKE_FLAGS)

build-run: configure-run
	cmake --build $(BUILD) -j $(JOBS)

unit-tests: build
	cd $(BUILD) && ctest --output-on-failure --timeout 300 -j $(JOBS)

# The Debian package of the build (installed to /usr), then unpacked into a
# scratch root and run from there.
package: build
	rm -f $(BUILD)/solvane_*.deb
	cd $(BUILD) && cpack -G DEB

package-test: package
	./tests/package/package_test.sh $$(ls $(BUILD)/solvane_*.deb)

# The core again under AddressSanitizer and UndefinedBehaviorSanitizer.
asan-tests:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DSOLVANE_CORE_ONLY=ON -DSOLVANE_SANITIZE=ON -DSOLVANE_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure --timeout 300 -j $(JOBS)

# Each libFuzzer target for FUZZ_SECONDS on a scratch copy of its corpus, so a
# run never writes into the repository.
fuzz-build:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DSOLVANE_CORE_ONLY=ON -DSOLVANE_SANITIZE=ON -DSOLVANE_FUZZ=ON \
	  -DSOLVANE_TESTS=OFF -DSOLVANE_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

# Each target alone on a core, as many at once as there are cores; each says
# its result when it ends, and the first finding fails the run.
fuzz: fuzz-build
	@printf '%s\n' $(FUZZ_TARGETS) | xargs -P $(JOBS) -I{} bash -c '\
	  t={}; corpus=$$(mktemp -d); name=$${t%_fuzz}; \
	  if [ -d fuzz/corpus/$$name ]; then cp -r fuzz/corpus/$$name/. $$corpus/; fi; \
	  ./$(FUZZ_BUILD)/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/ $$corpus >$$corpus.log 2>&1; \
	  status=$$?; \
	  printf "fuzz: %s for %s s\n%s\n" $$t $(FUZZ_SECONDS) "$$(tail -n 12 $$corpus.log)"; \
	  rm -rf $$corpus $$corpus.log; \
	  if [ $$status -ne 0 ]; then echo "fuzz: $$t found a problem"; exit 255; fi'

# The long runs done before a release: every target for FUZZ_LONG_SECONDS,
# then the inputs that reached code the corpus did not (new edges, not new hit
# counts, to keep the corpus small) are merged into fuzz/corpus/ to be
# committed. Stops at the first finding and leaves the crashing input in
# $(FUZZ_BUILD)/.
FUZZ_LONG_SECONDS ?= 600

fuzz-long: test-deps fuzz-build
	@set -e; for t in $(FUZZ_TARGETS); do \
	  name=$${t%_fuzz}; work=$$(mktemp -d); mkdir -p fuzz/corpus/$$name; \
	  cp -r fuzz/corpus/$$name/. $$work/; \
	  echo "fuzz-long: $$t for $(FUZZ_LONG_SECONDS) s"; \
	  ./$(FUZZ_BUILD)/fuzz/$$t -max_total_time=$(FUZZ_LONG_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/ $$work 2>&1 | tail -n 12; \
	  status=$${PIPESTATUS[0]}; \
	  if [ "$$status" -ne 0 ]; then rm -rf $$work; echo "fuzz-long: $$t found a problem"; exit 1; fi; \
	  ./$(FUZZ_BUILD)/fuzz/$$t -merge=1 -use_counters=0 fuzz/corpus/$$name $$work 2>&1 | tail -n 1; \
	  rm -rf $$work; \
	done

BENCH_BUILD ?= build-bench

bench: test-deps
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DSOLVANE_BENCH=ON \
	  -DSOLVANE_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@for b in $(BENCH_BUILD)/bench/solvane_bench_*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then echo "== $$b"; \
	    TZ=America/New_York $$b --benchmark_repetitions=9 --benchmark_report_aggregates_only=true; fi; \
	done
	@echo "== app start"; ./scripts/app-start-bench $(BENCH_BUILD)/bin
	@echo "== widget host memory"; ./scripts/host-memory-bench $(BENCH_BUILD)/bin

# The window's pictures in docs/screenshots/, taken under Xvfb; look at each
# one before committing them.
.PHONY: screenshots
screenshots: configure
	cmake --build $(BUILD) -j $(JOBS) --target app_screenshots
	QT_QPA_PLATFORM=xcb TZ=America/New_York LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 \
	  SOLVANE_SCREENSHOT_DIR=$(CURDIR)/docs/screenshots \
	  xvfb-run -a -s "-screen 0 1400x1000x24" ./$(BUILD)/tests/app/app_screenshots
	cmake --build $(BUILD) -j $(JOBS) --target app_window_fit_test
	SOLVANE_SCREENSHOT_DIR=$(CURDIR)/docs/screenshots \
	  ./tests/app/window_fit_test.sh ./$(BUILD)/tests/app/app_window_fit_test
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && SOLVANE_SCREENSHOT_DIR=$(CURDIR)/docs/screenshots ctest -R '^Languages$$'

# The widgets on real desktops (openbox under Xvfb, sway headless) with the
# Solvane window above them, and on GNOME Shell below a normal window, in
# docs/screenshots/; look at each one before committing them.
.PHONY: desktop-screenshots
desktop-screenshots: build
	./scripts/desktop-screenshots $(BUILD) docs/screenshots
	SOLVANE_SCREENSHOT_DIR=$(CURDIR)/docs/screenshots \
	  ./tests/host/desktop_gnome_test.sh ./$(BUILD)/bin/solvane-widgets

# The catalogues in translations/ brought up to date with the sources: each
# language's .ts gains the new texts (to be translated in Linguist or an
# editor; see the README) and loses the ones gone, and the pseudo-locale
# en_XA is made anew from them. The build compiles them with lrelease.
# British English (en_GB) holds only the texts it writes differently from the
# American sources, so it is kept by hand rather than filled by lupdate.
LUPDATE ?= /usr/lib/qt6/bin/lupdate
LANGUAGES = de fr es it pt_BR ru ja zh_CN pl nl tr uk ko sv cs

translations: deps
	$(LUPDATE) -silent -locations none -no-obsolete \
	  -tr-function-alias QT_TRANSLATE_NOOP+=SOLVANE_TRANSLATE_NOOP,QT_TRANSLATE_NOOP3+=SOLVANE_TRANSLATE_NOOP3 \
	  src -ts $(LANGUAGES:%=translations/solvane_%.ts)
	./scripts/pseudo-translate translations/solvane_de.ts translations/solvane_en_XA.ts

format:
	clang-format -i $(FORMAT_FILES)

format-check:
	@clang-format --dry-run --Werror $(FORMAT_FILES) || \
	  (echo "format-check: run 'make format' to fix the files above"; exit 1)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(BENCH_BUILD)

# Redraws the reviewed board pictures in tests/data/goldens; look at every one
# before committing them.
.PHONY: goldens
goldens: configure
	cmake --build $(BUILD) -j $(JOBS) --target board_test
	cmake --build $(BUILD) -j $(JOBS) --target widgets_views_test
	cd $(BUILD) && SOLVANE_UPDATE_GOLDENS=1 ./tests/board/board_test --gtest_filter='Renders/BoardGolden.*'
	cd $(BUILD) && SOLVANE_UPDATE_GOLDENS=1 ./tests/widgets/widgets_views_test --gtest_filter='Renders/WidgetGolden.*'
