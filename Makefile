# make run   build, then start Carrowby
# make test  build, then run every test
# Both first install the Debian packages listed in packaging/debian-packages.txt.

BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
WINE_BUILD ?= build-wine
JOBS ?= $(shell nproc)
CTEST = ctest --output-on-failure -j $(JOBS)

.PHONY: all deps build run test test-sanitize fuzz test-wine format clean

all: build

deps:
	@bash packaging/install-deps.sh packaging/debian-packages.txt

$(BUILD)/Makefile: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/Makefile
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/carrowby

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen $(CTEST)

test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCARROWBY_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 $(CTEST) -LE real-window

fuzz: deps
	bash tests/fuzz/run-fuzz.sh $(or $(FUZZ_SECONDS),60)

test-wine: deps
	bash tests/wine/run-wine-tests.sh $(WINE_BUILD)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(WINE_BUILD) build-fuzz
