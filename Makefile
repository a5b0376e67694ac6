# make run   build, then start Carrowby
# make test  build, then run every test
# Each target first installs the Debian packages it needs that are missing, from the lists in
# packaging/: packages-run.txt for building and running, and what each other target adds.

BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
WINE_BUILD ?= build-wine
JOBS ?= $(shell nproc)
CTEST = ctest --output-on-failure -j $(JOBS)
# Installs the packages of the lists named, e.g. $(call packages,run test).
packages = bash packaging/install-deps.sh $(patsubst %,packaging/packages-%.txt,$(1))
configure = cmake -S . -B $(1) -DCMAKE_BUILD_TYPE=$(2) >/dev/null

.PHONY: all build run test test-sanitize fuzz test-wine bench long-run screenshots package install \
	translations format clean

all: build

build:
	@$(call packages,run)
	$(call configure,$(BUILD),RelWithDebInfo)
	cmake --build $(BUILD) -j $(JOBS) --target carrowby

run: build
	$(BUILD)/app/carrowby

test:
	@$(call packages,run test)
	$(call configure,$(BUILD),RelWithDebInfo)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen $(CTEST)

test-sanitize:
	@$(call packages,run test)
	$(call configure,$(SANITIZE_BUILD),Debug) -DCARROWBY_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 $(CTEST) -LE 'real-window|package'

fuzz:
	@$(call packages,fuzz)
	bash tests/filestore/fuzz/run-fuzz.sh $(or $(FUZZ_SECONDS),60)

test-wine:
	@$(call packages,run wine)
	bash tests/wine/run-wine-tests.sh $(WINE_BUILD)

# Start-up and memory beside a bare Qt window, and posing a problem.
bench:
	@$(call packages,run bench)
	$(call configure,$(BUILD),RelWithDebInfo)
	cmake --build $(BUILD) -j $(JOBS) --target carrowby bare_window carrowby_bench
	/usr/bin/python3 bench/startup.py $(BUILD)/app/carrowby $(BUILD)/bench/bare_window
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/carrowby_bench

# The long run: memory over 100 tests and 100 About windows, then the same run under
# LeakSanitizer, which fails it on any leak.
long-run:
	@$(call packages,run)
	$(call configure,$(BUILD),RelWithDebInfo)
	cmake --build $(BUILD) -j $(JOBS) --target carrowby_long_run
	$(BUILD)/bench/carrowby_long_run
	$(call configure,$(SANITIZE_BUILD),Debug) -DCARROWBY_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS) --target carrowby_long_run
	ASAN_OPTIONS=detect_leaks=1 $(SANITIZE_BUILD)/bench/carrowby_long_run >/dev/null
	@echo "LeakSanitizer found no leak"

# The README's screenshots, taken of the real program in a virtual display.
screenshots: build
	@$(call packages,test)
	/usr/bin/python3 docs/screenshots.py $(BUILD)/app/carrowby docs

package:
	@$(call packages,run package)
	$(call configure,$(BUILD),RelWithDebInfo)
	cmake --build $(BUILD) -j $(JOBS) --target carrowby
	cd $(BUILD) && cpack -G DEB

install: build
	cmake --install $(BUILD)

translations:
	@$(call packages,run)
	bash translations/update.sh

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(WINE_BUILD) build-fuzz
